#pragma once

#include "dialogs/button_dialog.h"
#include "forms/camera_form.h"

#include <array>

class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class WorkTimeGroup;

// The camera parameter dialog: edits the camera block of the record in place
// and stores it only on OK.
class CameraDialog : public ButtonDialog
{
    Q_OBJECT

public:
    explicit CameraDialog(ProfileRecord &record, Prompter &prompter, QWidget *parent = nullptr);

    // Reloads every control from the record and runs the dialog modally.
    int run();

private:
    struct SettingControls {
        QLabel *label = nullptr;
        QComboBox *combo = nullptr;
    };

    void buildLayout();
    SettingControls &controlsOf(CameraSetting setting);
    // A group box named after its title, "camGroup" for "CAM".
    QWidget *newSettingGroup(const CameraGroup &settings);
    void createSetting(CameraSetting setting, QWidget *parent);

    void readControls();
    void showForm();
    // Reads the controls, runs one step of the form, and shows the form.
    template <typename Step> void step(Step &&formStep) { readControls(); formStep(); showForm(); }

    void onSettingChanged(CameraSetting setting);
    void onOk();
    void onDefault();

    ProfileRecord &m_record;
    Prompter &m_prompter;
    CameraForm m_form;
    std::array<SettingControls, kCameraSettingCount> m_settings{};
    std::array<WorkTimeGroup *, CameraForm::kWindowCount> m_windows{};
};
