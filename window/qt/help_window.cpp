#include "window/qt/help_window.h"

#include "window/icons/triangle_solver_icon.xpm"
#include "window/menu/help_text.h"
#include "window/qt/layout_widgets.h"
#include "window/text/ui_texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace triangle {

namespace {

// The main window, which owns the one help and the one "За програмата".
QWidget* ownerOf(QWidget* from)
{
    QWidget* owner = from->window();
    while (owner->parentWidget())
        owner = owner->parentWidget()->window();
    return owner;
}

QDialog* makeTextWindow(QWidget* owner, const QString& name, const char* title,
                        const std::string& text, bool icon)
{
    auto* dialog = new QDialog(owner);
    dialog->setObjectName(name);
    dialog->setWindowTitle(Qs(title));
    auto* layout = new QVBoxLayout(dialog);
    if (icon) {
        auto* row = new QHBoxLayout;
        auto* picture = new QLabel;
        picture->setPixmap(QPixmap(triangle_solver_icon));
        row->addWidget(picture);
        row->addWidget(new QLabel(Qs(texts::ApplicationName)), 1);
        layout->addLayout(row);
    }
    auto* view = new QPlainTextEdit;
    view->setObjectName(name + QStringLiteral("Text"));
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setTabChangesFocus(true);
    view->setAccessibleName(Qs(title));
    view->setPlainText(QString::fromStdString(text));
    layout->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(Qs(texts::CloseButton), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog->resize(620, 560);
    view->setFocus();
    return dialog;
}

void show(QWidget* from, const QString& name, const char* title, std::string (*text)(), bool icon)
{
    QWidget* owner = ownerOf(from);
    auto* dialog = owner->findChild<QDialog*>(name, Qt::FindDirectChildrenOnly);
    if (!dialog)
        dialog = makeTextWindow(owner, name, title, text(), icon);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void ShowHelp(QWidget* from)
{
    show(
        from, QStringLiteral("HelpWindow"), texts::HelpTitle, [] { return menu::HelpText(); },
        false);
}

void ShowAbout(QWidget* from)
{
    show(
        from, QStringLiteral("AboutWindow"), texts::AboutTitle,
        [] { return menu::AboutText(TRIANGLE_VERSION, nullptr); }, true);
}

void ShowHelpOrAbout(QWidget* from, menu::Command command)
{
    if (command == menu::Command::About)
        ShowAbout(from);
    else
        ShowHelp(from);
}

} // namespace triangle
