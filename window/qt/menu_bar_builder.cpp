#include "window/qt/menu_bar_builder.h"

#include "window/qt/layout_widgets.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <cstdlib>
#include <cstring>

namespace triangle {

namespace {

QKeyCombination keyCode(const char* key)
{
    struct Named {
        const char* name;
        QKeyCombination code;
    };
    static constexpr Named named[] = {
        {"Escape", QKeyCombination(Qt::Key_Escape)},
        {"Plus", QKeyCombination(Qt::Key_Plus)},
        {"Minus", QKeyCombination(Qt::Key_Minus)},
        {"Equals", QKeyCombination(Qt::Key_Equal)},
        {"Add", Qt::KeypadModifier | Qt::Key_Plus},
        {"Subtract", Qt::KeypadModifier | Qt::Key_Minus},
    };
    for (const Named& n : named)
        if (std::strcmp(n.name, key) == 0)
            return n.code;
    if (key[0] == 'F' && key[1] != '\0')
        return QKeyCombination(static_cast<Qt::Key>(Qt::Key_F1 + std::atoi(key + 1) - 1));
    // A letter's or a digit's key code is its upper-case character.
    return QKeyCombination(static_cast<Qt::Key>(key[0]));
}

} // namespace

QKeySequence KeySequenceOf(const menu::Key& key)
{
    const QKeyCombination code = keyCode(key.key);
    Qt::KeyboardModifiers modifiers = code.keyboardModifiers();
    if (key.ctrl)
        modifiers |= Qt::ControlModifier;
    if (key.shift)
        modifiers |= Qt::ShiftModifier;
    if (key.alt)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, code.key()));
}

QMenuBar* BuildMenuBar(QWidget* window, menu::Window which, std::function<void(menu::Command)> act)
{
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("MenuBar"));
    // The desktop's own menu font and colours, not the window's layout font and background:
    // set whole, so that nothing of the window's is inherited.
    QFont font = QApplication::font(bar);
    font.setResolveMask(QFont::AllPropertiesResolved);
    bar->setFont(font);
    QPalette palette = QApplication::palette(bar);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    bar->setPalette(palette);
    // The bar gets its titles and the window every entry's action, so that the keys act
    // from the start; a menu takes its entries when it is first opened, which keeps the
    // entries' making and their widgets' sizing out of the window's first frame.
    for (const menu::Menu& table : menu::MenuBar(which)) {
        QMenu* menu = bar->addMenu(Qs(table.title));
        QList<QAction*> entries;
        for (const menu::Entry& entry : table.entries) {
            if (entry.command == menu::Command::Separator) {
                entries.append(nullptr);
                continue;
            }
            auto* action = new QAction(Qs(entry.text), bar);
            action->setObjectName(QLatin1String("Menu") +
                                  QLatin1String(menu::CommandName(entry.command)));
            action->setData(static_cast<int>(entry.command));
            QList<QKeySequence> keys;
            for (const menu::Key& key : entry.keys)
                if (key.key)
                    keys.append(KeySequenceOf(key));
            action->setShortcuts(keys);
            const menu::Command command = entry.command;
            QObject::connect(action, &QAction::triggered, window, [act, command] { act(command); });
            window->addAction(action);
            entries.append(action);
        }
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, entries] {
            if (!menu->isEmpty())
                return;
            for (QAction* action : entries) {
                if (action)
                    menu->addAction(action);
                else
                    menu->addSeparator();
            }
        });
    }
    return bar;
}

QAction* MenuAction(const QMenuBar* bar, menu::Command command)
{
    return bar->findChild<QAction*>(QLatin1String("Menu") +
                                    QLatin1String(menu::CommandName(command)));
}

} // namespace triangle
