// The menu bar and its check marks. Only an item that carries a mark is made
// checkable, so unmarked items show no empty box, and the game alone moves marks.
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/window.h"

namespace {

void show_check(QAction* item, bool checked)
{
    item->setCheckable(checked);
    item->setChecked(checked);
}

} // namespace

void build_menu(PlatformWindow* window, const MenuEntry* menu, int32_t count)
{
    QMenuBar* bar = window->frame->menuBar();
    bar->setNativeMenuBar(false); // inside the window, so the client area stays put
    std::vector<QMenu*> open; // popups being filled, innermost last
    for (int32_t i = 0; i < count; ++i) {
        const MenuEntry& entry = menu[i];
        const QString text = entry.text != nullptr ? QString::fromUtf8(entry.text) : QString();
        switch (entry.kind) {
        case MENU_POPUP:
            open.push_back(open.empty() ? bar->addMenu(text) : open.back()->addMenu(text));
            break;
        case MENU_END_POPUP:
            if (!open.empty())
                open.pop_back();
            break;
        case MENU_SEPARATOR:
            if (!open.empty())
                open.back()->addSeparator();
            break;
        case MENU_ITEM: {
            QAction* item = open.empty() ? bar->addAction(text) : open.back()->addAction(text);
            show_check(item, entry.checked != 0);
            if (entry.shortcut != nullptr)
                item->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
            const int32_t id = entry.id;
            QObject::connect(item, &QAction::triggered, item, [window, item, id] {
                show_check(item, item->isCheckable()); // undo Qt's own toggle
                post_message(window, MESSAGE_COMMAND, static_cast<uint32_t>(id), 0);
            });
            window->menu_items[id] = item;
            break;
        }
        default:
            break;
        }
    }
}

int32_t menu_item_checked(WindowHandle window, int32_t id)
{
    const auto it = window->menu_items.find(id);
    return it != window->menu_items.end() && it->second->isChecked() ? 1 : 0;
}

void check_menu_item(WindowHandle window, int32_t id, int32_t checked)
{
    const auto it = window->menu_items.find(id);
    if (it != window->menu_items.end())
        show_check(it->second, checked != 0);
}
