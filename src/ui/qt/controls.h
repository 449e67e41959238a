// The table's controls as Qt widgets: one widget per row, made by the row's kind, and its
// event connected to the presenter's handler that the row names.
#pragma once

#include <QFont>

#include "ui/presenter/main_layout.h"

class QObject;
class QWidget;

namespace favpage::ui {

// The layout's face at the font a row names.
QFont FontOf(layout::Font font);

// Makes the widget of `row` inside `parent` at its laid-out rectangle, with its object
// name, caption, font and the state it has as laid out. A preview row is not placed here:
// its scroll box takes it in.
QWidget* MakeControl(const layout::ControlRow& row, QWidget* parent);

// Forwards the event of `row`'s widget to the presenter's handler that the row names.
void ConnectHandler(const layout::ControlRow& row, QWidget* widget, QObject* context,
                    MainPresenter& presenter);

}  // namespace favpage::ui
