#include "support/started_window.h"
#include "support/temp_env.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <functional>

// Puts a window into a state where as many of its controls as can be are enabled.
using Prepare = std::function<void(QWidget &)>;
Q_DECLARE_METATYPE(Prepare)

namespace {

// Widgets that Tab can reach in the window, in focus-chain order, enabled or not.
QList<QWidget *> tabChain(QWidget &window)
{
    QList<QWidget *> chain;
    for (QWidget *widget = window.nextInFocusChain(); widget != &window; widget = widget->nextInFocusChain()) {
        if (widget->window() == &window && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()
            && widget->isVisibleTo(&window))
            chain.append(widget);
    }
    return chain;
}

// Tab reads each box as text is read: row by row, left to right, or column by
// column when it goes up only into a column further right. Controls of
// different boxes are not compared, since the boxes themselves sit side by side.
QString firstOutOfReadingOrder(const QList<QWidget *> &chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QWidget *before = chain.at(i - 1);
        const QWidget *after = chain.at(i);
        if (before->parentWidget() != after->parentWidget())
            continue;
        const QRect a = before->geometry();
        const QRect b = after->geometry();
        const bool sameRow = b.center().y() >= a.top() && b.center().y() <= a.bottom();
        if (sameRow ? b.left() < a.left() : b.top() < a.top() && b.left() <= a.right())
            return before->objectName();
    }
    return {};
}

// The name a screen reader announces: an explicit one, else the label that
// names the control, else a button's own text.
QString spokenName(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (qobject_cast<QAbstractButton *>(widget))
        return face->text(QAccessible::Name);
    // A group box labels its members too; only a buddy names one control.
    for (const auto &relation : face->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel *>(relation.first->object()))
            return relation.first->text(QAccessible::Name);
    }
    return {};
}

// Focus as Tab leaves it, from the first control until it comes round again.
// The keys go to the window's own focus, so a dialog need not be the active window.
QStringList walkWithTab(QWidget &window, QWidget *first)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (QWidget *focused = window.focusWidget(); focused && visited.size() < 200;) {
        visited.append(focused->objectName());
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = window.focusWidget();
        if (focused == first)
            break;
    }
    return visited;
}

// Controls whose label or own text says what they do, so they need no tooltip.
// Every other control of the four windows must carry one.
const QList<std::pair<QRegularExpression, const char *>> &untippedControls()
{
    static const QList<std::pair<QRegularExpression, const char *>> controls{
        {QRegularExpression("^gpsCombo$"), "\"GPS\" with \"Off\" and \"On\""},
        {QRegularExpression("^(cameraMode|videoSize|videoLength|photoSize)Combo$"),
         "the label and its items (photo or video, sizes, seconds) say it"},
        {QRegularExpression("^workTime[1-4](Sun|Mon|Tue|Wed|Thu|Fri|Sat)Check$"), "a day of the week"},
        {QRegularExpression("^showPasswordCheck$"), "its text says what it does"},
        {QRegularExpression("^(ok|cancel|default)Button$"), "a dialog's own buttons"},
    };
    return controls;
}

bool needsNoTip(const QString &objectName)
{
    return std::any_of(untippedControls().begin(), untippedControls().end(),
                       [&](const auto &entry) { return entry.first.match(objectName).hasMatch(); });
}

void select(QWidget &window, const char *name, int index)
{
    FindControl<QComboBox>(window, name)->setCurrentIndex(index);
}

// Works a window opened from the main window (`opener`, or none for the main
// window itself) while it is open, then stores it with its OK.
void inWindow(StartedWindow &started, const QString &opener, const std::function<void(QWidget &)> &work)
{
    if (opener.isEmpty()) {
        work(*started.window);
        // No save folder: the page is stored into the record, nothing is written.
        started.control<QPushButton>("okButton")->click();
        return;
    }
    started.prompter.modalActions.enqueue([&](QDialog &dialog) {
        work(dialog);
        FindControl<QPushButton>(dialog, "okButton")->click();
        return dialog.result();
    });
    started.control<QPushButton>(qPrintable(opener))->click();
}

// The window's radio buttons and check boxes that can change state.
QStringList checkableButtons(QWidget &window)
{
    QStringList names;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->isCheckable() && button->window() == &window && !button->isHidden())
            names.append(button->objectName());
    }
    return names;
}

// What the window shows: each named control's state, for one comparison.
QStringList controlStates(QWidget &window)
{
    QStringList states;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->window() != &window)
            continue;
        QString state = widget->objectName() + (widget->isEnabled() ? " enabled" : " disabled");
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            state += button->isChecked() ? " checked" : "";
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            state += QStringLiteral(" echo %1 \"%2\"").arg(int(edit->echoMode())).arg(edit->text());
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            state += QStringLiteral(" item %1").arg(combo->currentIndex());
        if (auto *label = qobject_cast<QLabel *>(widget))
            state += QStringLiteral(" \"%1\"").arg(label->text());
        states.append(state);
    }
    states.sort();
    return states;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowTabsInOrderThroughNamedControls_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<Prepare>("prepare");

        QTest::newRow("main window") << QString() << Prepare([](QWidget &w) {
            select(w, "dailyReportCombo", 1);
            select(w, "smsSwitchCombo", 2);
            select(w, "renameCombo", 1);
            select(w, "countryCombo", 19); // "Customer": enables "Custom"
        });

        QTest::newRow("camera") << "camSettingButton" << Prepare([](QWidget &w) {
            select(w, "photoBurstCombo", 2);
            select(w, "triggerModeCombo", 2);
            for (const char *name : {"workTime1SwitchCombo", "workTime2SwitchCombo", "workTime3SwitchCombo",
                                     "workTime4SwitchCombo"})
                select(w, name, 1);
        });

        QTest::newRow("sender e-mail")
            << "emailSettingButton" << Prepare([](QWidget &w) { select(w, "selectEmailCombo", 10); });

        QTest::newRow("operator")
            << "customButton" << Prepare([](QWidget &) {});
    }

    void everyWindowTabsInOrderThroughNamedControls()
    {
        QFETCH(QString, opener);
        QFETCH(Prepare, prepare);

        ScopedTempFolder temp;
        StartedWindow started(true);
        const auto check = [&](QWidget &window) {
            prepare(window);
            const QList<QWidget *> chain = tabChain(window);
            const QString outOfOrder = firstOutOfReadingOrder(chain);
            QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder + " comes before a control above or left of it"));

            QSet<QString> names;
            QStringList enabled;
            for (QWidget *control : chain) {
                const QString name = spokenName(control);
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName() + " has no name"));
                QVERIFY2(!names.contains(name), qPrintable(control->objectName() + " repeats " + name));
                QVERIFY2(!control->toolTip().isEmpty() || needsNoTip(control->objectName()),
                         qPrintable(control->objectName() + " has no tooltip and its label is not enough"));
                names.insert(name);
                // A group of radio buttons is one stop for Tab; the arrow keys choose within it.
                const auto *radio = qobject_cast<QRadioButton *>(control);
                const bool groupVisited = radio && radio->group() && radio->group()->buttons().first() != radio;
                if (control->isEnabled() && !groupVisited)
                    enabled.append(control->objectName());
            }
            QCOMPARE(walkWithTab(window, chain.first()), enabled);
        };

        if (opener.isEmpty()) {
            check(*started.window);
            return;
        }
        // The page opens the dialog: the dialog's chain must hold as the user meets it.
        select(*started.window, "countryCombo", 19);
        bool checked = false;
        started.prompter.modalActions.enqueue([&](QDialog &dialog) {
            check(dialog);
            checked = !QTest::currentTestFailed();
            return int(QDialog::Rejected);
        });
        started.control<QPushButton>(qPrintable(opener))->click();
        QVERIFY(checked);
    }

    // A screen reader works a box or a radio button through its accessible
    // action, which toggles it without a click: the rules must follow all the same.
    void everyToggleAppliesTheRulesOfAClick_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Prepare>("prepare");

        for (const QString opener : {"", "camSettingButton", "emailSettingButton", "customButton"}) {
            // Every one the window holds, so that none is left out.
            ScopedTempFolder temp;
            StartedWindow started(true);
            QStringList buttons;
            const auto collect = [&](QWidget &window) { buttons = checkableButtons(window); };
            if (opener.isEmpty()) {
                collect(*started.window);
            } else {
                select(*started.window, "countryCombo", 19); // "Customer": enables "Custom"
                started.prompter.modalActions.enqueue([&](QDialog &d) { collect(d); return 0; });
                started.control<QPushButton>(qPrintable(opener))->click();
            }
            for (const QString &button : buttons) {
                // Where the button is enabled and its toggle changes what the rules decide.
                Prepare prepare = [](QWidget &) {};
                if (button == "emailRadio")
                    prepare = [](QWidget &w) { FindControl<QRadioButton>(w, "phoneRadio")->click(); };
                if (button == "showPasswordCheck")
                    prepare = [](QWidget &w) {
                        select(w, "selectEmailCombo", 1);
                        QTest::keyClicks(FindControl<QLineEdit>(w, "emailEdit"), "cam@example.org");
                        QTest::keyClicks(FindControl<QLineEdit>(w, "passwordEdit"), "pw");
                    };
                if (button.startsWith("workTime")) {
                    const QString window = button.left(QStringLiteral("workTime1").size());
                    const bool all = button.endsWith("AllCheck");
                    prepare = [window, all](QWidget &w) {
                        select(w, qPrintable(window + "SwitchCombo"), 1);
                        // Every box is ticked: "ALL" is cleared first, to be ticked again.
                        if (all)
                            FindControl<QCheckBox>(w, qPrintable(window + "MonCheck"))->click();
                    };
                }
                QTest::newRow(qPrintable(button)) << opener << button << prepare;
            }
        }
    }

    void everyToggleAppliesTheRulesOfAClick()
    {
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(Prepare, prepare);

        struct Outcome {
            QStringList states;
            QByteArray record;
        };
        QStringList offered; // the actions the button offers, as the click found it
        // "click" with the mouse, else the accessible action of that name.
        const auto work = [&](const QString &how) {
            ScopedTempFolder temp;
            StartedWindow started(true);
            if (opener == "customButton")
                select(*started.window, "countryCombo", 19);
            Outcome outcome;
            inWindow(started, opener, [&](QWidget &window) {
                prepare(window);
                auto *control = FindControl<QAbstractButton>(window, qPrintable(button));
                QVERIFY2(control->isEnabled(), "the button must be enabled to be worked");
                QAccessibleActionInterface *actions =
                    QAccessible::queryAccessibleInterface(control)->actionInterface();
                QVERIFY(actions);
                const bool before = control->isChecked();
                if (how == "click") {
                    offered = actions->actionNames();
                    // On the box or circle: a stretched button's middle may lie past its text.
                    QStyleOptionButton option;
                    option.initFrom(control);
                    option.text = control->text();
                    const auto indicator = qobject_cast<QRadioButton *>(control) ? QStyle::SE_RadioButtonIndicator
                                                                                 : QStyle::SE_CheckBoxIndicator;
                    QTest::mouseClick(control, Qt::LeftButton, {},
                                      control->style()->subElementRect(indicator, &option, control).center());
                } else {
                    actions->doAction(how);
                }
                // "Press" clicks after a short animation.
                QTRY_VERIFY(control->isChecked() != before);
                outcome.states = controlStates(window);
            });
            outcome.record = QByteArray(reinterpret_cast<const char *>(&started.session.record), 976);
            return outcome;
        };

        const Outcome clicked = work("click");
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(offered.contains(QAccessibleActionInterface::toggleAction()), qPrintable(offered.join(", ")));
        // Each of the two actions that change a button, where it offers it.
        for (const QString &action :
             {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
            if (!offered.contains(action))
                continue;
            const Outcome worked = work(action);
            QVERIFY(!QTest::currentTestFailed());
            QCOMPARE(worked.states, clicked.states);
            QCOMPARE(worked.record, clicked.record);
        }
    }

    void arrowKeysChooseWhereToSend()
    {
        ScopedTempFolder temp;
        StartedWindow started(true);
        auto *phone = started.control<QRadioButton>("phoneRadio");
        auto *email = started.control<QRadioButton>("emailRadio");
        QVERIFY(email->isChecked());
        email->setFocus(Qt::TabFocusReason);
        QTest::keyClick(email, Qt::Key_Left);
        QVERIFY(phone->isChecked());
        QVERIFY(started.control<QLineEdit>("phoneNumber2Edit")->isEnabled());
        QTest::keyClick(phone, Qt::Key_Right);
        QVERIFY(email->isChecked());
        QVERIFY(!started.control<QLineEdit>("phoneNumber2Edit")->isEnabled());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
