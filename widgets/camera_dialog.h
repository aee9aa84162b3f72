#pragma once

#include "widgets/button_dialog.h"
#include "widgets/window_view.h"
#include "settings/camera_model.h"

class Prompter;
class QGroupBox;
class QLabel;

// The camera parameter dialog: edits the camera block of the record in place
// and stores it only on OK.
class CameraDialog : public ButtonDialog, public WindowView
{
    Q_OBJECT

public:
    explicit CameraDialog(ProfileRecord &record, Prompter &prompter, QWidget *parent = nullptr);

    // Reloads every control from the record and runs the dialog modally.
    int run();

private:
    void buildLayout();
    // Named after the group's key, "camGroup" for "cam".
    QGroupBox *newGroupBox(const SettingGroup &group);
    // The group's labels join `labels`.
    QGroupBox *newSettingGroup(const SettingGroup &group, QList<QLabel *> &labels);
    QGroupBox *newWorkTimeGroup(int window);
    void onDefault();

    CameraModel m_form;
};
