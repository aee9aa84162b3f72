#pragma once

#include "widgets/window_view.h"
#include "settings/page_model.h"

#include <QWidget>

class CameraDialog;
class FieldNote;
class OperatorDialog;
class QGridLayout;
class QLabel;
class QPushButton;
class SenderEmailDialog;
enum class PageAction;
struct SettingGroup;

// The settings page: sending, recipients, operator, control by SMS, camera
// name and save folder. It edits its own values and writes the record on "OK".
class SettingsPage : public QWidget, private WindowView
{
    Q_OBJECT

public:
    SettingsPage(ProfileSession &session, Prompter &prompter, QWidget *parent = nullptr);
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

    PageModel &model() { return m_page; }

signals:
    // "Cancel": the tool is to end without writing anything, once mayClose agrees.
    void cancelRequested();
    // "OK" wrote PROFILE.BIN into this folder.
    void saved(const QString &folder);

private:
    // Each group box binds its rows and places their controls; Tab follows the placing.
    QWidget *buildSendMode(const SettingGroup &group);
    QWidget *buildSendTo(const SettingGroup &group);
    QWidget *buildOperator(const SettingGroup &group);
    QWidget *buildControl(const SettingGroup &group);
    QWidget *buildRecipients(const SettingGroup &group);
    QWidget *buildRename(const SettingGroup &group);
    QWidget *buildSavePath();
    QWidget *buildButtons();
    QPushButton *button(PageAction action, QWidget *parent);
    // Binds the row's control and adds its widgets to the Tab chain.
    SettingControl &place(const SettingRow &row, QWidget *parent);
    void showMore() override;
    PageModel::Ask asker();

    void onOk();
    void onBrowse();
    void onDefaultAll();

    PageModel m_page;
    // Kept for the page's lifetime: the sender dialog remembers "Show password".
    SenderEmailDialog *m_emailSettingDialog;
    OperatorDialog *m_operatorDialog;
    CameraDialog *m_camDialog;

    QList<QWidget *> m_tabChain;
    QLabel *m_dailyReportColon = nullptr;
    QLabel *m_smsWorkTimeLabel = nullptr;
    QPushButton *m_customButton = nullptr;
    FieldNote *m_savePathNote = nullptr;
};
