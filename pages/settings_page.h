#pragma once

#include "forms/settings_form.h"

#include <QWidget>

#include <array>

class CameraDialog;
class FieldNote;
class SenderEmailDialog;
class OperatorDialog;
class Prompter;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The settings page: sending, recipients, operator, GPS/SMS control, camera
// name and save folder. It edits its own values and writes the record on "OK".
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    // `headerConstant` is the main window's, which "OK" stores first.
    SettingsPage(ProfileSession &session, Prompter &prompter, int headerConstant, QWidget *parent = nullptr);
    ~SettingsPage() override;

    // Fills every control from the record.
    void load();
    // Loads a PROFILE.BIN or working copy into the page and the dialogs; a
    // refused file is reported and changes nothing. True when it was loaded.
    bool openFile(const QString &path);
    // Shows a folder in "Save Path".
    void showSavePath(const QString &folder);
    // True when nothing is lost by closing now: no changes since the start or
    // the last save, or the user agreed to discard them.
    bool mayClose();

    SettingsForm &form() { return m_form; }

signals:
    // "Cancel": the tool is to end without writing anything, once mayClose agrees.
    void cancelRequested();
    // "OK" wrote PROFILE.BIN into this folder.
    void saved(const QString &folder);

private:
    void buildControls();
    QWidget *buildSendMode();
    QWidget *buildSendTo();
    QWidget *buildRecipients();
    QWidget *buildOperatorParameter();
    QWidget *buildGpsSms();
    QWidget *buildRenameFrame();
    QWidget *buildSavePath();
    QWidget *buildButtons();
    // The plain settings' combos and labels, which the groups then place.
    void buildSettings();
    void connectHandlers();

    PageControls controlValues() const;
    // Reads the controls into the form; a value that cannot be read is reported.
    void readControls();
    // Puts the user on the control the last failure points at, its text selected.
    void focusFault();
    // Shows the form's values and its enabling rules.
    void showForm();
    // Reads the controls, runs one step of the form, and shows the form.
    template <typename Step> void step(Step &&formStep) { readControls(); formStep(); showForm(); }
    void fillOperatorCombo();
    // Shows the form's values after they all changed.
    void showOpened();

    void onCountryChanged(int index);
    void onOkClicked();
    void onBrowseClicked();
    void onDefaultAllClicked();

    ProfileSession &m_session;
    Prompter &m_prompter;
    int m_headerConstant;
    SettingsForm m_form;
    // Set when a reading failed: the handler's showForm selects the field again.
    bool m_pointAtFault = false;
    // Kept for the page's lifetime: the sender dialog remembers "Show password".
    SenderEmailDialog *m_emailSettingDialog;
    OperatorDialog *m_operatorDialog;
    CameraDialog *m_camDialog;

    std::array<QComboBox *, kPageSettingCount> m_settingCombos{};
    std::array<QLabel *, kPageSettingCount> m_settingLabels{};
    QComboBox *&settingCombo(PageSetting setting) { return m_settingCombos[std::size_t(setting)]; }
    QLabel *&settingLabel(PageSetting setting) { return m_settingLabels[std::size_t(setting)]; }

    QLineEdit *m_instantNumberEdit = nullptr;
    QLabel *m_instantHint = nullptr;
    QComboBox *m_dailyReportHourCombo = nullptr;
    QLabel *m_dailyReportColon = nullptr;
    QComboBox *m_dailyReportMinuteCombo = nullptr;

    QRadioButton *m_phoneRadio = nullptr;
    QRadioButton *m_emailRadio = nullptr;
    QButtonGroup *m_sendToGroup = nullptr;
    QPushButton *m_emailSettingButton = nullptr;

    std::array<QLabel *, kRecipientCount> m_phoneLabels{};
    std::array<QLineEdit *, kRecipientCount> m_phoneEdits{};
    std::array<QLabel *, kRecipientCount> m_emailLabels{};
    std::array<QLineEdit *, kRecipientCount> m_emailEdits{};

    QComboBox *m_countryCombo = nullptr;
    QComboBox *m_operatorCombo = nullptr;
    QPushButton *m_customButton = nullptr;

    QLabel *m_smsWorkTimeLabel = nullptr;
    QLabel *m_smsStartLabel = nullptr;
    QComboBox *m_smsStartCombo = nullptr;
    QLabel *m_smsStopLabel = nullptr;
    QComboBox *m_smsStopCombo = nullptr;

    QLineEdit *m_renameEdit = nullptr;
    QLabel *m_renameHint = nullptr;
    QPushButton *m_camSettingButton = nullptr;
    QPushButton *m_defaultAllButton = nullptr;

    QLineEdit *m_savePathEdit = nullptr;
    FieldNote *m_savePathNote = nullptr;
    QPushButton *m_browseButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    // The number field could not be read: the next showing leaves its text as typed.
    bool m_keepTypedNumber = false;
};
