#include "window/qt/elements_window.h"

#include "window/elements/elements_layout.h"
#include "window/qt/fitting_field.h"
#include "window/qt/layout_widgets.h"
#include "window/text/relation_texts.h"
#include "window/text/ui_texts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace triangle {

namespace {

QRect rectOf(const elements_layout::Rect& place)
{
    return QRect(place.left, place.top, place.width, place.height);
}

// "първа" → "Първа": a name that begins an accessible name.
QString capitalised(const char* utf8)
{
    QString text = Qs(utf8);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

void ElementsWindow::buildFacts(QWidget* panel)
{
    auto* box = new QGroupBox(Qs(texts::RelationFieldLabel), panel);
    box->setObjectName(QStringLiteral("RelationGroup"));
    box->setGeometry(rectOf(elements_layout::RelationGroupPlace()));
    box->setFont(WindowFont(true));
    box->setFocusPolicy(Qt::NoFocus);
    box->lower();
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto* field = new FittingField(WindowFont(), panel);
        field->setObjectName(QStringLiteral("Relation_%1").arg(i + 1));
        field->setGeometry(rectOf(elements_layout::RelationFieldPlace(i)));
        field->setAccessibleName(capitalised(texts::RelationFieldNames[at]));
        field->setDescription(Qs(texts::RelationFieldLabel));
        field->setHint(Qs(texts::RelationFieldTip));
        auto* label = new QLabel(Qs(texts::RelationFieldLabels[at]), panel);
        label->setGeometry(rectOf(elements_layout::RelationLabelPlace(i)));
        label->setFont(WindowFont());
        label->setBuddy(field);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i] {
            if (!m_settingText)
                m_logic.RelationChange(i);
        });
        connect(field, &QLineEdit::returnPressed, this, [this] { m_logic.Calculate(); });
        addInsertHelp(field, false, [this, i] { m_logic.RelationChange(i); });
        m_relations[at] = field;
    }

    m_choiceLabel = new QLabel(Qs(texts::TwoSolutions), panel);
    m_choiceLabel->setObjectName(QStringLiteral("TwoSolutions"));
    m_choiceLabel->setGeometry(rectOf(elements_layout::ChoiceLabelPlace()));
    m_choiceLabel->setFont(WindowFont(true));
    m_choiceLabel->hide();
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* choice = new QRadioButton(Qs(texts::SolutionChoices[i]), panel);
        choice->setObjectName(QStringLiteral("Solution_%1").arg(i + 1));
        choice->setGeometry(rectOf(elements_layout::ChoicePlace(i)));
        choice->setFont(WindowFont());
        choice->hide();
        group->addButton(choice, i);
        choice->installEventFilter(this);
        m_choices[static_cast<std::size_t>(i)] = choice;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int i) { m_logic.ShowSolution(i); });
}

std::string ElementsWindow::relationText(int field) const
{
    return m_relations.at(static_cast<std::size_t>(field))->text().toStdString();
}

void ElementsWindow::setRelationText(int field, const std::string& text)
{
    m_settingText = true;
    m_relations.at(static_cast<std::size_t>(field))->setText(QString::fromStdString(text));
    m_settingText = false;
}

void ElementsWindow::focusRelation(int field)
{
    FittingField* target = m_relations.at(static_cast<std::size_t>(field));
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void ElementsWindow::showChoice(int count, int shown)
{
    const bool two = count > 1;
    // The focus leaves a choice about to hide for "Изчисли".
    if (!two && (m_choices[0]->hasFocus() || m_choices[1]->hasFocus()))
        m_buttons[0]->setFocus(Qt::OtherFocusReason);
    m_choiceLabel->setVisible(two);
    for (int i = 0; i < 2; ++i) {
        QRadioButton* choice = m_choices[static_cast<std::size_t>(i)];
        choice->setVisible(two);
        choice->setChecked(two && i == shown);
    }
}

} // namespace triangle
