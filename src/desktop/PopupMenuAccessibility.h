#pragma once
// Puts the program's popup menus into its accessibility tree, beside its windows. Qt leaves
// every popup window out of the application's children, although a menu without a parent
// names the application as its own parent; so a screen reader, or a test walking the tree
// down from the program, never met the tray's, the drag zone's or the menu labels' menus and
// their items.

class QMenu;

// Lists `menu` under the application from now on, open or closed, for as long as it lives; its
// items can be activated from there like any menu item.
void ListUnderApplication(QMenu* menu);
