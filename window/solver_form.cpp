#include "window/solver_form.h"

#include "solver/variant_solver.h"
#include "window/fitting_field.h"
#include "window/icons/triangle_solver_icon.xpm"
#include "window/qt_number_format.h"
#include "window/ui_texts.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace triangle {

namespace {

// The layout is given in twips; 15 twips make one logical pixel.
constexpr int px(int twips)
{
    return twips / 15;
}
QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

const QColor windowColour(192, 192, 255);
const QColor labelColour(255, 192, 128);
const QColor optionColour(128, 128, 255);
const QColor calculateColour(128, 255, 128);
const QColor clearColour(255, 0, 0);
const QColor resultColour(255, 192, 192);

// The result fields, disabled and pink: the columns of a row that its variant does not give.
bool isResultField(int i)
{
    const GivenColumns given = GivenColumnsOf(static_cast<std::int16_t>(i / ColumnCount));
    const int column = i % ColumnCount;
    return column != given.first && column != given.second;
}

// The bold fields: not the same set, field 6 is regular and field 7 bold.
constexpr bool boldField[FieldCount] = {0, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0,
                                        1, 0, 0, 1, 1, 1, 0, 0, 0, 1, 0, 1};

QString qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QFont windowFont(bool bold = false)
{
    // Where Times New Roman is missing, fontconfig puts a metric-compatible serif face with
    // the Cyrillic letters in its place (Liberation Serif on Debian).
    return QFont(QStringLiteral("Times New Roman"), 12, bold ? QFont::Bold : QFont::Normal);
}

void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour); // the background role of buttons
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString controlName(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace

SolverForm::SolverForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SolverForm"));
    setWindowTitle(qs(texts::Caption));
    // Compiled in as XPM: reading a PNG would make the image reader load every format
    // plug-in it has, a noticeable part of the start-up.
    setWindowIcon(QPixmap(triangle_solver_icon));
    setFont(windowFont());
    fillBackground(this, windowColour);
    setFixedSize(px(7065), px(5205));

    buildHeadings();
    buildVariants();
    buildFields();
    buildButtons();
    buildTexts();
    setTabChain();

    auto* copyRow = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")), this);
    copyRow->setObjectName(QStringLiteral("CopyRow"));
    connect(copyRow, &QShortcut::activated, this, &SolverForm::copySelectedRow);

    m_Text1[0]->setFocus();
}

SolverForm::~SolverForm() = default;

void SolverForm::buildHeadings()
{
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(controlName("Label1", i));
        label->setText(i == 0 ? qs(texts::Heading) : qs(texts::ColumnHeads[i - 1]));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        fillBackground(label, labelColour);
        m_Label1[i] = label;
    }
    m_Label1[0]->setGeometry(twipRect(720, 0, 5655, 375));
    for (int i = 1; i < 5; ++i)
        m_Label1[i]->setGeometry(twipRect(1920 + 960 * (i - 1), 480, 975, 375));
}

void SolverForm::buildVariants()
{
    m_Frame1 = new QGroupBox(qs(texts::VariantsFrame), this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setGeometry(twipRect(120, 480, 1695, 2655));
    m_Frame1->setFocusPolicy(Qt::NoFocus);

    for (int k = 0; k < 6; ++k) {
        auto* option = new QRadioButton(qs(texts::Variants[k]), m_Frame1);
        option->setObjectName(controlName("Option1", k));
        option->setGeometry(twipRect(120, 360 + 360 * k, 1455, 375));
        option->setAccessibleName(qs(texts::Variants[k]));
        option->setAccessibleDescription(qs(texts::VariantGivens[k]));
        option->setToolTip(qs(texts::VariantGivens[k]));
        fillBackground(option, optionColour);
        // toggled, unlike clicked, also comes when the program selects the button.
        connect(option, &QRadioButton::toggled, this, [this, k](bool checked) {
            if (checked)
                m_logic.Option1_Click(static_cast<std::int16_t>(k));
        });
        m_Option1[k] = option;
    }
}

void SolverForm::buildFields()
{
    for (int i = 0; i < FieldCount; ++i) {
        const int row = i / 4;
        const int column = i % 4;
        auto* field = new FittingField(windowFont(boldField[i]), this);
        field->setObjectName(controlName("Text2", i));
        field->setGeometry(twipRect(1920 + 960 * column, 840 + 360 * row, 975, 405));
        field->setAlignment(Qt::AlignCenter);
        field->setAccessibleName(QStringLiteral("%1, %2").arg(qs(texts::Variants[row]),
                                                              qs(texts::QuantityNames[column])));
        field->setDescription(qs(texts::QuantityTips[column]));
        if (isResultField(i)) {
            // Results stay easy to read: dark text on pink, not the faded disabled grey.
            QPalette palette = field->palette();
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                palette.setColor(group, QPalette::Base, resultColour);
                palette.setColor(group, QPalette::Text, Qt::black);
            }
            field->setPalette(palette);
            field->setEnabled(false);
        }
        connect(field, &QLineEdit::returnPressed, this, [this, field] {
            if (field->isEnabled() && !field->isReadOnly())
                m_Command1[0]->click();
        });
        m_Text2[i] = field;
    }
}

void SolverForm::buildButtons()
{
    const char* captions[2] = {texts::Calculate, texts::Clear};
    const char* descriptions[2] = {texts::CalculateDescription, texts::ClearDescription};
    const QColor colours[2] = {calculateColour, clearColour};
    const int tops[2] = {840, 2640};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(qs(captions[i]), this);
        button->setObjectName(controlName("Command1", i));
        button->setGeometry(twipRect(5880, tops[i], 1095, 375));
        button->setAccessibleName(qs(captions[i]));
        button->setAccessibleDescription(qs(descriptions[i]));
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, colours[i]);
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
    const char* contents[2] = {texts::TaskStatement, texts::Aphorism};
    const QRect places[2] = {twipRect(120, 3360, 6735, 1815), twipRect(600, 3480, 6735, 1815)};
    for (int i = 0; i < 2; ++i) {
        auto* text = new QPlainTextEdit(this);
        text->setObjectName(controlName("Text1", i));
        text->setGeometry(places[i]);
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setFocusPolicy(Qt::StrongFocus);
        text->setTabChangesFocus(true);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Set last, once the width is final, so that the lines are laid out only once. The
        // texts end their lines with CR LF; the editor keeps lines apart by itself.
        text->setPlainText(qs(contents[i]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        m_Text1[i] = text;
    }
    m_Text1[0]->setAccessibleName(qs(texts::TaskName));
    m_Text1[1]->setVisible(false);
}

void SolverForm::setTabChain()
{
    // The tab places: the two long texts, the labels (which take no focus), fields 0 to 15,
    // the two push buttons, fields 16 to 23, the frame, the six option buttons.
    std::vector<QWidget*> chain = {m_Text1[0], m_Text1[1]};
    for (int i = 0; i < 16; ++i)
        chain.push_back(m_Text2[i]);
    chain.push_back(m_Command1[0]);
    chain.push_back(m_Command1[1]);
    for (int i = 16; i < FieldCount; ++i)
        chain.push_back(m_Text2[i]);
    for (QRadioButton* option : m_Option1)
        chain.push_back(option);
    for (std::size_t j = 1; j < chain.size(); ++j)
        QWidget::setTabOrder(chain[j - 1], chain[j]);
}

void SolverForm::copySelectedRow()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_logic.SelectedRowText()));
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
    QMessageBox::critical(this, QString::fromStdString(title), QString::fromStdString(text));
}

void SolverForm::setRowDetails(std::int16_t row, const std::string& details)
{
    const QString text = QString::fromStdString(details);
    for (int j = 0; j < ColumnCount; ++j)
        m_Text2.at(row * ColumnCount + j)->setDetails(text);
}

NumberFormat SolverForm::numberFormat() const
{
    return NumberFormatOf(QLocale());
}

} // namespace triangle
