#include "window/qt/elements_window.h"

#include "window/elements/elements_layout.h"
#include "window/qt/announcer.h"
#include "window/qt/fitting_field.h"
#include "window/qt/layout_widgets.h"
#include "window/qt/menu_bar_builder.h"
#include "window/qt/qt_number_format.h"
#include "window/qt/refusal_box.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/steps_list.h"
#include "window/qt/window_placement.h"
#include "window/solution/solution_page.h"
#include "window/text/ui_texts.h"
#include "window/window_placement.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>

namespace triangle {

namespace {

QRect rectOf(const elements_layout::Rect& place)
{
    return QRect(place.left, place.top, place.width, place.height);
}

Element elementAt(int i)
{
    return static_cast<Element>(i);
}

} // namespace

ElementsWindow::ElementsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ElementsWindow"));
    setWindowTitle(Qs(texts::ElementsTitle));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("ElementsPanel"));
    panel->setFixedSize(elements_layout::PanelWidth, elements_layout::PanelHeight);
    FillBackground(panel, QColour(layout::WindowColour));
    buildPanel(panel);

    m_drawing = new SolutionDrawingView;
    m_steps = new StepsList;
    m_steps->setObjectName(QStringLiteral("ElementsSteps"));
    m_steps->installEventFilter(this);
    m_drawing->installEventFilter(this);
    connect(m_steps, &StepsList::zoomWheel, this, [this](int delta) { zoomWheel(delta); });
    connect(m_drawing, &SolutionDrawingView::zoomWheel, this,
            [this](int delta) { zoomWheel(delta); });

    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("ElementsSplit"));
    split->addWidget(m_drawing);
    split->addWidget(m_steps);
    split->setStretchFactor(0, elements_layout::DrawingFifths);
    split->setStretchFactor(1, 5 - elements_layout::DrawingFifths);
    split->setChildrenCollapsible(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The fields and buttons never shrink: on a screen too low for them the panel scrolls.
    m_panelScroll = new QScrollArea;
    m_panelScroll->setObjectName(QStringLiteral("ElementsPanelScroll"));
    m_panelScroll->setFrameShape(QFrame::NoFrame);
    m_panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_panelScroll->setWidget(panel);
    m_panelScroll->setFixedWidth(panelScrollWidth());
    m_panelScroll->setFocusPolicy(Qt::NoFocus);
    FillBackground(m_panelScroll->viewport(), QColour(layout::WindowColour));
    layout->addWidget(m_panelScroll);
    layout->addWidget(split, 1);
    FillBackground(this, QColour(layout::WindowColour));

    m_announcer = new Announcer(this);
    // Escape is the menu bar's.
    layout->setMenuBar(BuildMenuBar(this, menu::Window::Elements,
                                    [this](menu::Command command) { RunCommand(*this, command); }));

    setTabChain();
    resize(elements_layout::OpeningWidth, elements_layout::OpeningHeight);
    m_logic.Form_Load();
}

ElementsWindow::~ElementsWindow() = default;

void ElementsWindow::addInsertHelp(FittingField* field, bool angle, std::function<void()> edited)
{
    const QString sign = Qs(angle ? texts::Degree : texts::Root);
    auto insert = [this, field, sign, edited] {
        if (field->isReadOnly())
            return;
        field->insert(sign);
        if (!m_settingText)
            edited();
    };
    // The usual entries, then the sign for a keyboard that has none.
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        field, &QWidget::customContextMenuRequested, this, [this, field, angle, insert](QPoint at) {
            QMenu* menu = field->createStandardContextMenu();
            menu->setObjectName(QStringLiteral("GivenFieldMenu"));
            menu->addSeparator();
            QAction* action = menu->addAction(Qs(angle ? texts::InsertDegree : texts::InsertRoot));
            action->setObjectName(angle ? QStringLiteral("InsertDegree")
                                        : QStringLiteral("InsertRoot"));
            if (!angle)
                action->setShortcut(QKeySequence(QLatin1String(texts::InsertRootKeys)));
            action->setEnabled(!field->isReadOnly());
            connect(action, &QAction::triggered, this, insert);
            menu->exec(field->mapToGlobal(at));
            delete menu;
        });
    if (angle)
        return;
    // Bound to the key, which the toolkit matches in a Cyrillic layout too.
    auto* root = new QShortcut(QKeySequence(QLatin1String(texts::InsertRootKeys)), field);
    root->setObjectName(QStringLiteral("InsertRootKey"));
    root->setContext(Qt::WidgetShortcut);
    connect(root, &QShortcut::activated, this, insert);
}

void ElementsWindow::buildPanel(QWidget* panel)
{
    for (const elements_layout::Group& group : elements_layout::Groups()) {
        auto* box = new QGroupBox(Qs(group.title), panel);
        box->setGeometry(rectOf(group.place));
        box->setFont(WindowFont(true));
        box->setFocusPolicy(Qt::NoFocus);
    }
    for (int i = 0; i < ElementCount; ++i) {
        const Element element = elementAt(i);
        const QString name = Qs(texts::ElementFieldNames[i]);
        auto* field = new FittingField(WindowFont(), panel);
        field->setObjectName(
            QStringLiteral("Element_%1").arg(QString::fromUtf8(ElementSymbol(element))));
        field->setGeometry(rectOf(elements_layout::FieldPlace(element)));
        field->setAlignment(Qt::AlignCenter);
        field->setAccessibleName(name);
        field->setDescription(name);
        auto* label = new QLabel(Qs(texts::ElementLabels[i]), panel);
        label->setGeometry(rectOf(elements_layout::LabelPlace(element)));
        label->setFont(WindowFont());
        label->setBuddy(field);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        field->installEventFilter(this);
        // textEdited, unlike textChanged, comes only from the user: typing, pasting, undo, cut.
        connect(field, &QLineEdit::textEdited, this, [this, element] {
            if (!m_settingText)
                m_logic.FieldChange(element);
        });
        connect(field, &QLineEdit::returnPressed, this, [this] { m_logic.Calculate(); });
        addInsertHelp(field, IsAngle(element), [this, element] { m_logic.FieldChange(element); });
        m_fields[static_cast<std::size_t>(i)] = field;
    }
    const char* names[2] = {texts::Calculate, texts::Clear};
    const char* descriptions[2] = {texts::ElementsCalculateDescription,
                                   texts::ElementsClearDescription};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(Qs(names[i]), panel);
        button->setObjectName(i == 0 ? QStringLiteral("ElementsCalculate")
                                     : QStringLiteral("ElementsClear"));
        button->setGeometry(rectOf(elements_layout::ButtonPlace(i)));
        button->setFont(WindowFont());
        button->setAccessibleName(Qs(names[i]));
        button->setAccessibleDescription(Qs(descriptions[i]));
        button->setToolTip(Qs(descriptions[i]));
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, QColour(elements_layout::ButtonColour(i)));
        palette.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(palette);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (i == 0)
                m_logic.Calculate();
            else
                m_logic.Clear();
        });
        m_buttons[static_cast<std::size_t>(i)] = button;
    }
    buildFacts(panel);
}

void ElementsWindow::setTabChain()
{
    // The fields in reading order, the relations, the buttons, the choice of two triangles,
    // the steps and the drawing.
    std::vector<QWidget*> chain;
    for (const Element element : elements_layout::TabOrder())
        chain.push_back(m_fields[static_cast<std::size_t>(element)]);
    chain.insert(chain.end(), m_relations.begin(), m_relations.end());
    chain.insert(chain.end(), m_buttons.begin(), m_buttons.end());
    chain.insert(chain.end(), m_choices.begin(), m_choices.end());
    chain.push_back(m_steps);
    chain.push_back(m_drawing);
    for (std::size_t j = 1; j < chain.size(); ++j)
        QWidget::setTabOrder(chain[j - 1], chain[j]);
}

int ElementsWindow::panelScrollWidth() const
{
    return elements_layout::PanelWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void ElementsWindow::openBeside(const QWidget& main, const QWidget* solution)
{
    if (!isVisible()) {
        // Every field and button whole beside a strip of the drawing, where the screen has room
        // for that; the main window's frame stands for this one's until it is shown.
        const QSize frame = FrameExtent(main);
        const QRect free = main.screen() ? main.screen()->availableGeometry() : QRect();
        const placement::Size least = placement::FittedMinimum(
            {panelScrollWidth() + elements_layout::LeastDrawingWidth, elements_layout::PanelHeight},
            {0, 0, free.width() - frame.width(), free.height() - frame.height()});
        setMinimumSize(least.width, least.height);
    }
    OpenBeside(*this, main, solution);
}

bool ElementsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+C copies the twelve elements and the steps, except in a field with text selected
    // and in the steps with lines selected, which copy their selection.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto* field = qobject_cast<QLineEdit*>(watched);
        const bool selection = (field && field->hasSelectedText()) ||
                               (watched == m_steps && !m_steps->selectedItems().isEmpty());
        if (key->matches(QKeySequence::Copy) && !selection) {
            if (event->type() == QEvent::KeyPress)
                copyAll();
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ElementsWindow::copyAll() const
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_logic.CopyText()));
}

std::string ElementsWindow::text(Element field) const
{
    return m_fields.at(static_cast<std::size_t>(field))->text().toStdString();
}

void ElementsWindow::setText(Element field, const std::string& text)
{
    m_settingText = true;
    m_fields.at(static_cast<std::size_t>(field))->setText(QString::fromStdString(text));
    m_settingText = false;
}

void ElementsWindow::setComputed(Element field, bool computed)
{
    FittingField* target = m_fields.at(static_cast<std::size_t>(field));
    target->setReadOnly(computed);
    target->setDescription(
        Qs(computed ? texts::ElementComputed : texts::ElementFieldNames[static_cast<int>(field)]));
    if (computed)
        SetResultColours(target, QColour(layout::ResultColour));
    else
        target->setPalette(QPalette());
}

void ElementsWindow::setTip(Element field, const std::string& tip)
{
    m_fields.at(static_cast<std::size_t>(field))->setHint(QString::fromStdString(tip));
}

void ElementsWindow::showMessage(const std::string& title, const std::string& text)
{
    ShowRefusal(this, title, text);
}

void ElementsWindow::focusField(Element field)
{
    FittingField* target = m_fields.at(static_cast<std::size_t>(field));
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void ElementsWindow::announce(const std::string& text)
{
    m_announcer->say(QString::fromStdString(text));
}

void ElementsWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_page = page;
    m_region = region;
    m_drawing->setPage(page, region);
    m_steps->setSteps(page.steps);
}

NumberFormat ElementsWindow::numberFormat() const
{
    return NumberFormatOf(QLocale());
}

} // namespace triangle
