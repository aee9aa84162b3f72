#pragma once

class QKeyEvent;
class QWidget;

// The dialogs have no default button. Enter with the focus on a push
// button presses that button; in a field it does nothing, so that neither
// typing nor confirming can throw the entries away. True when the key was Enter.
bool RouteEnterKey(const QWidget &dialog, const QKeyEvent &event);
