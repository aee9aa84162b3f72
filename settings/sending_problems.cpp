#include "settings/sending_problems.h"

#include "settings/operator_schema.h"
#include "settings/page_schema.h"
#include "settings/sender_schema.h"
#include "presets/email_presets.h"
#include "presets/operator_catalogue.h"
#include "profile/custom_operators.h"
#include "profile/record_text.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("SendingProblems", text);
}

QString quoted(const QString &text)
{
    return QCoreApplication::translate("SendingProblems", "\"%1\"", "a name in quotes").arg(text);
}

// "A", "A" and "B", "A", "B" and "C"; then "is" or "are".
QString emptyFields(const QStringList &labels)
{
    QStringList names;
    for (const QString &label : labels)
        names.append(quoted(label));
    const QString last = names.takeLast();
    const QString list = names.isEmpty() ? last
                                         : names.join(translated(QT_TRANSLATE_NOOP("SendingProblems", ", "))) +
                                               translated(QT_TRANSLATE_NOOP("SendingProblems", " and ")) + last;
    return list + (labels.size() == 1 ? translated(QT_TRANSLATE_NOOP("SendingProblems", " is empty"))
                                      : translated(QT_TRANSLATE_NOOP("SendingProblems", " are empty")));
}

QString senderProblem(const EmailEntry &sender)
{
    const auto label = [](const QString &key) { return SenderRow(key).label(); };
    QStringList empty;
    const bool noServer = LoadRecordText(sender.smtp_server).isEmpty();
    if (noServer)
        empty.append(label(QStringLiteral("sender_email.smtp_server")));
    if (LoadRecordText(sender.account).isEmpty())
        empty.append(label(QStringLiteral("sender_email.account")));
    if (LoadRecordText(sender.email).isEmpty())
        empty.append(label(QStringLiteral("sender_email.email")));
    if (empty.isEmpty())
        return {};
    QString text = QCoreApplication::translate("SendingProblems",
                                               "Sender e-mail: %1, so the camera cannot send e-mails. Press %2, "
                                               "choose your provider and type your account there")
                       .arg(emptyFields(empty), quoted(PageButtonOf(PageAction::EmailSetting).text()));
    if (noServer)
        text += QLatin1Char(' ') + QCoreApplication::translate("SendingProblems", "(%1 lets you type the server too)")
                    .arg(quoted(ProviderNames().at(EmailPresets::kOtherPosition)));
    return text + QLatin1Char('.');
}

QString operatorProblem(const OperatorEntry &entry, bool byPhone)
{
    // By MMS the camera needs the centre and its APN, for e-mail the mobile internet's APN.
    const SettingGroup &group = OperatorGroups().at(byPhone ? 0 : 1);
    const QStringList needed = byPhone ? QStringList{QStringLiteral("mms_url"), QStringLiteral("mms_apn")}
                                       : QStringList{QStringLiteral("gprs_apn")};
    QStringList empty;
    for (const SettingRow &row : group.rows) {
        if (needed.contains(row.key()) && LoadRecordText(EntryField(entry, row.place())).isEmpty())
            empty.append(row.label());
    }
    if (empty.isEmpty())
        return {};
    const QString purpose =
        byPhone ? translated(QT_TRANSLATE_NOOP("SendingProblems", "send by MMS"))
                : translated(QT_TRANSLATE_NOOP("SendingProblems", "reach the mobile internet to send e-mails"));
    return QCoreApplication::translate("SendingProblems",
                                       "Operator %1: %2 %3, so the camera cannot %4. Choose the operator %5, or a "
                                       "%6 item and type your operator's settings under %7.")
        .arg(quoted(ShownEntryName(entry)), group.title(), emptyFields(empty), purpose, quoted(EntryName(AutoEntry)),
             quoted(ShownEntryName(CustomOperators::BuiltIn().extra_customer)), quoted(PageButtonOf(PageAction::Custom).text()));
}

} // namespace

QStringList SendingProblems(const ProfileRecord &record)
{
    // The page shows any "Send To" but "Phone" as "Email".
    const bool byPhone = record.send_to == 0;
    QStringList problems;
    if (!byPhone) {
        if (QString problem = senderProblem(record.sender_email); !problem.isEmpty())
            problems.append(problem);
    }
    // Only for the entry "Auto" does the camera find its operator's settings
    // itself; the entry, not the country position, is what reaches it.
    if (EntryName(record.operator_) != EntryName(AutoEntry)) {
        if (QString problem = operatorProblem(record.operator_, byPhone); !problem.isEmpty())
            problems.append(problem);
    }
    return problems;
}
