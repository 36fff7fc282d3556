#pragma once
// The window kit: every window is set up, filled with controls and wired to its handlers
// through these alone.
#include <initializer_list>
#include <vector>

#include "ui/ConnectGuarded.h"
#include "ui/Controls.h"
#include "ui/FixedWindow.h"
#include "ui/WindowFont.h"

namespace lumetra::ui {

// One row of a window's button table.
template <typename Window>
struct ButtonRow {
    const char* name;
    const char* text;  // UTF-8
    QRect place;
    void (Window::*handler)();
    const char* toolTip = "";  // UTF-8
};

// Places the buttons on `parent` in table order, each wired to its handler through
// connectGuarded; returns them in that order.
template <typename Window>
std::vector<QPushButton*> placeButtons(Window* window, QWidget* parent,
                                       std::initializer_list<ButtonRow<Window>> rows) {
    std::vector<QPushButton*> buttons;
    for (const ButtonRow<Window>& row : rows) {
        QPushButton* button = placeButton(parent, row.name, QString::fromUtf8(row.text), row.place,
                                          ButtonLook().tip(QString::fromUtf8(row.toolTip)));
        connectGuarded(button, &QPushButton::clicked, window, row.handler);
        buttons.push_back(button);
    }
    return buttons;
}

}  // namespace lumetra::ui
