#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// The account dialogs have no default button. Enter with the focus on a push
// button presses that button; anywhere else it runs `inField`. True when the
// key was Enter.
bool RouteEnterKey(const QWidget &dialog, const QKeyEvent &event, const std::function<void()> &inField);
