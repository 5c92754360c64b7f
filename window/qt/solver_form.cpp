#include "window/qt/solver_form.h"

#include "solver/variant/variant_solver.h"
#include "window/icons/triangle_solver_icon.xpm"
#include "window/main_form/form_layout.h"
#include "window/main_form/row_outcome.h"
#include "window/qt/announcer.h"
#include "window/qt/elements_window.h"
#include "window/qt/fitting_field.h"
#include "window/qt/help_window.h"
#include "window/qt/layout_widgets.h"
#include "window/qt/menu_bar_builder.h"
#include "window/qt/qt_number_format.h"
#include "window/qt/refusal_box.h"
#include "window/qt/solution_window.h"
#include "window/qt/variant_button.h"
#include "window/solution/solution_steps.h"
#include "window/text/ui_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace triangle {

namespace {

QString controlName(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace

SolverForm::SolverForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SolverForm"));
    setWindowTitle(Qs(texts::Caption));
    // Compiled in as XPM: reading a PNG would make the image reader load every format
    // plug-in it has, a noticeable part of the start-up.
    setWindowIcon(QPixmap(triangle_solver_icon));
    setFont(WindowFont());
    // The client keeps the layout's size exactly; the window grows by the menu bar only.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("SolverClient"));
    FillBackground(this, QColour(layout::WindowColour));
    FillBackground(m_client, QColour(layout::WindowColour));
    m_client->setFixedSize(layout::Pixels(layout::ClientWidth),
                           layout::Pixels(layout::ClientHeight));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    frame->addWidget(m_client);

    buildHeadings();
    buildVariants();
    buildFields();
    buildButtons();
    buildTexts();
    setTabChain();
    m_announcer = new Announcer(this);
    buildMenuBar();
    frame->setMenuBar(m_menuBar);

    m_Text1[0]->setFocus();
}

SolverForm::~SolverForm()
{
    // The application tells of focus changes while the widget beneath this form is being
    // destroyed, when this is no longer a SolverForm to update its menus.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void SolverForm::buildHeadings()
{
    for (int i = 0; i < 5; ++i) {
        const layout::Control& place = layout::ControlOf("Label1", static_cast<std::int16_t>(i));
        auto* label = new QLabel(Qs(place.text), m_client);
        label->setObjectName(controlName("Label1", i));
        label->setGeometry(PixelRect(place.place));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        FillBackground(label, QColour(*place.background));
        m_Label1[i] = label;
    }
}

void SolverForm::buildVariants()
{
    const layout::Control& frame = layout::ControlOf("Frame1", 0);
    m_Frame1 = new QGroupBox(Qs(frame.text), m_client);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setGeometry(PixelRect(frame.place));
    m_Frame1->setFocusPolicy(Qt::NoFocus);

    for (int k = 0; k < VariantCount; ++k) {
        const layout::Control& place = layout::ControlOf("Option1", static_cast<std::int16_t>(k));
        auto* option = new VariantButton(Qs(place.text), m_Frame1);
        option->setObjectName(controlName("Option1", k));
        option->setGeometry(PixelRect(place.place));
        option->setAccessibleName(Qs(texts::Variants[k]));
        option->setAccessibleDescription(Qs(texts::VariantGivens[k]));
        option->setToolTip(Qs(texts::VariantGivens[k]));
        FillBackground(option, QColour(*place.background));
        // toggled, unlike clicked, also comes when the program selects the button.
        connect(option, &QRadioButton::toggled, this, [this, k](bool checked) {
            if (checked)
                m_logic.Option1_Click(static_cast<std::int16_t>(k));
        });
        connect(option, &VariantButton::chosen, this,
                [this, k] { m_logic.Option1_Chosen(static_cast<std::int16_t>(k)); });
        m_Option1[k] = option;
    }
}

void SolverForm::buildFields()
{
    for (int i = 0; i < FieldCount; ++i) {
        const int row = i / 4;
        const int column = i % 4;
        const layout::Field place = layout::FieldOf(static_cast<std::int16_t>(i));
        auto* field = new FittingField(WindowFont(place.bold), m_client);
        field->setObjectName(controlName("Text2", i));
        field->setGeometry(PixelRect(place.place));
        field->setAlignment(Qt::AlignCenter);
        field->setAccessibleName(QStringLiteral("%1, %2").arg(Qs(texts::Variants[row]),
                                                              Qs(texts::QuantityNames[column])));
        field->setDescription(Qs(texts::QuantityTips[column]));
        field->setHint(Qs(texts::OtherPairsHint));
        if (place.result) {
            SetResultColours(field, QColour(layout::ResultColour));
            field->setEnabled(false);
        }
        // A double click opens the solution; the context menu gets the row's entries.
        field->installEventFilter(this);
        // textEdited, unlike textChanged, comes only from the user: typing, pasting, undo, cut.
        connect(field, &QLineEdit::textEdited, this,
                [this, i] { m_logic.Text2_Change(static_cast<std::int16_t>(i)); });
        connect(field, &QLineEdit::returnPressed, this,
                [this, i] { m_logic.Text2_KeyEnter(static_cast<std::int16_t>(i)); });
        m_Text2[i] = field;
    }
}

void SolverForm::buildButtons()
{
    const char* descriptions[2] = {texts::CalculateDescription, texts::ClearDescription};
    for (int i = 0; i < 2; ++i) {
        const layout::Control& place = layout::ControlOf("Command1", static_cast<std::int16_t>(i));
        auto* button = new QPushButton(Qs(place.text), m_client);
        button->setObjectName(controlName("Command1", i));
        button->setGeometry(PixelRect(place.place));
        button->setAccessibleName(Qs(place.text));
        button->setAccessibleDescription(Qs(descriptions[i]));
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, QColour(*place.background));
        palette.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(palette);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, i] { m_logic.Command1_Click(static_cast<std::int16_t>(i)); });
        m_Command1[i] = button;
    }
}

void SolverForm::buildTexts()
{
    for (int i = 0; i < 2; ++i) {
        const layout::Control& place = layout::ControlOf("Text1", static_cast<std::int16_t>(i));
        auto* text = new QPlainTextEdit(m_client);
        text->setObjectName(controlName("Text1", i));
        text->setGeometry(PixelRect(place.place));
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setFocusPolicy(Qt::StrongFocus);
        text->setTabChangesFocus(true);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Set last, once the width is final, so that the lines are laid out only once. The
        // texts end their lines with CR LF; the editor keeps lines apart by itself.
        text->setPlainText(Qs(place.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        if (!place.visible)
            text->setVisible(false);
        m_Text1[i] = text;
    }
    m_Text1[0]->setAccessibleName(Qs(texts::TaskName));
}

void SolverForm::setTabChain()
{
    // Labels and the frame take no focus; every other control is chained by its tab place.
    std::vector<std::pair<int, QWidget*>> chain;
    for (int i = 0; i < 2; ++i)
        chain.emplace_back(layout::ControlOf("Text1", static_cast<std::int16_t>(i)).tabPlace,
                           m_Text1[i]);
    for (int i = 0; i < FieldCount; ++i)
        chain.emplace_back(layout::FieldOf(static_cast<std::int16_t>(i)).tabPlace, m_Text2[i]);
    for (int i = 0; i < 2; ++i)
        chain.emplace_back(layout::ControlOf("Command1", static_cast<std::int16_t>(i)).tabPlace,
                           m_Command1[i]);
    for (int k = 0; k < VariantCount; ++k)
        chain.emplace_back(layout::ControlOf("Option1", static_cast<std::int16_t>(k)).tabPlace,
                           m_Option1[k]);
    std::sort(chain.begin(), chain.end(),
              [](const auto& x, const auto& y) { return x.first < y.first; });
    for (std::size_t j = 1; j < chain.size(); ++j)
        QWidget::setTabOrder(chain[j - 1].second, chain[j].second);
}

void SolverForm::openSolution()
{
    if (!m_solution) {
        m_solution = new SolutionWindow(this);
        connect(m_solution, &SolutionWindow::elementsRequested, this, &SolverForm::openElements);
    }
    showSolution();
    m_solution->openBeside(*this);
}

void SolverForm::openElements()
{
    if (!m_elements)
        m_elements = new ElementsWindow(this);
    m_elements->openBeside(*this, m_solution && m_solution->isVisible() ? m_solution : nullptr);
    m_elements->logic().Open(m_logic.SelectedRowGiven());
}

void SolverForm::showSolution()
{
    const NumberFormat region = numberFormat();
    m_solution->showPage(SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
}

void SolverForm::rowChanged()
{
    updateMenus();
    // An open solution follows the row at once, so that it never shows a triangle the row
    // does not; a closed one is brought up to date when it opens.
    if (m_solution && m_solution->isVisible())
        showSolution();
}

bool SolverForm::eventFilter(QObject* watched, QEvent* event)
{
    // The filter sees the double click and the context menu even on a disabled result
    // field, which Qt keeps every mouse event from.
    if (event->type() == QEvent::ContextMenu) {
        const auto at = std::find(m_Text2.begin(), m_Text2.end(), watched);
        if (at != m_Text2.end()) {
            showFieldMenu(static_cast<std::int16_t>(at - m_Text2.begin()),
                          static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    // The menu key and Shift+F10, as in most desktop programs; Qt on Linux answers neither.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        const auto at = std::find(m_Text2.begin(), m_Text2.end(), watched);
        if (menuKey && at != m_Text2.end()) {
            showFieldMenu(static_cast<std::int16_t>(at - m_Text2.begin()),
                          (*at)->mapToGlobal(QPoint(0, (*at)->height())));
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto at = std::find(m_Text2.begin(), m_Text2.end(), watched);
        if (at != m_Text2.end() &&
            m_logic.DoubleClickOpensSolution(static_cast<std::int16_t>(at - m_Text2.begin())))
            openSolution();
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<SolverForm::FieldMenuEntry> SolverForm::fieldMenuEntries(std::int16_t field)
{
    FittingField* target = m_Text2.at(field);
    const FieldMenuState state = m_logic.FieldMenu(field);
    return {
        // Orca reads the field again, its description with the whole triangle included,
        // when the focus comes back from the menu.
        {"WholeTriangle", texts::WholeTriangle, "Shift+F1", state.wholeTriangle,
         [target] { target->showDetails(); }},
        // The solution is of the selected row: what it shows, or why it shows no triangle.
        {"Solution", texts::SolutionTitle, "Ctrl+R", state.solution, [this] { openSolution(); }},
        {"Elements", texts::ElementsOpen, "Ctrl+2", true, [this] { openElements(); }},
        {"CopyRow", texts::CopyRow, "Ctrl+Shift+C", state.copyRow, [this] { copySelectedRow(); }},
    };
}

void SolverForm::showFieldMenu(std::int16_t field, const QPoint& at)
{
    const std::unique_ptr<QMenu> menu(m_Text2.at(field)->createStandardContextMenu());
    menu->setObjectName(QStringLiteral("FieldMenu"));
    menu->addSeparator();
    const std::vector<FieldMenuEntry> entries = fieldMenuEntries(field);
    std::vector<QAction*> actions;
    for (const FieldMenuEntry& entry : entries) {
        QAction* action = menu->addAction(Qs(entry.text));
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(QLatin1String(entry.keys)));
        action->setEnabled(entry.available);
        actions.push_back(action);
    }
    QAction* chosen = menu->exec(at);
    const auto entry = std::find(actions.begin(), actions.end(), chosen);
    if (!chosen || entry == actions.end())
        return;
    // Acted on once the events of the menu's closing are through, so that what the entry
    // shows (a tooltip) is not taken away by the focus coming back from the menu.
    QTimer::singleShot(0, this, entries.at(static_cast<std::size_t>(entry - actions.begin())).act);
}

void SolverForm::copySelectedRow()
{
    // A row without a whole triangle leaves the clipboard as it was.
    const std::string row = m_logic.SelectedRowText();
    if (!row.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(row));
}

std::string SolverForm::text(std::int16_t field) const
{
    return m_Text2.at(field)->text().toStdString();
}

void SolverForm::setText(std::int16_t field, const std::string& text)
{
    m_Text2.at(field)->setText(QString::fromStdString(text));
}

void SolverForm::setLocked(std::int16_t field, bool locked)
{
    m_Text2.at(field)->setReadOnly(locked);
}

void SolverForm::selectOption(std::int16_t k)
{
    m_Option1.at(k)->setChecked(true);
}

void SolverForm::showMessage(const std::string& title, const std::string& text)
{
    ShowRefusal(this, title, text);
}

void SolverForm::setRowDetails(std::int16_t row, const std::string& details)
{
    const QString text = QString::fromStdString(details);
    for (int j = 0; j < ColumnCount; ++j)
        m_Text2.at(row * ColumnCount + j)->setDetails(text);
}

void SolverForm::focusField(std::int16_t field)
{
    FittingField* target = m_Text2.at(field);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void SolverForm::announce(const std::string& text)
{
    m_announcer->say(QString::fromStdString(text));
}

NumberFormat SolverForm::numberFormat() const
{
    return NumberFormatOf(QLocale());
}

} // namespace triangle
