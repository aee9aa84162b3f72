#include "forms/sending_problems.h"

#include "forms/operator_form.h"
#include "forms/page_items.h"
#include "forms/sender_email_form.h"
#include "presets/email_presets.h"
#include "profile/custom_operators.h"
#include "profile/record_text.h"

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// "A", "A" and "B", "A", "B" and "C"; then "is" or "are".
QString emptyFields(const QStringList &labels)
{
    QStringList names;
    for (const QString &label : labels)
        names.append(quoted(label));
    const QString last = names.takeLast();
    const QString list =
        names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return list + (labels.size() == 1 ? QStringLiteral(" is empty") : QStringLiteral(" are empty"));
}

QString senderProblem(const EmailEntry &sender)
{
    using Field = SenderEmailForm::Field;
    QStringList empty;
    const bool noServer = LoadRecordText(sender.smtp_server).isEmpty();
    if (noServer)
        empty.append(SenderEmailForm::label(Field::SmtpServer));
    if (LoadRecordText(sender.account).isEmpty())
        empty.append(SenderEmailForm::label(Field::Account));
    if (LoadRecordText(sender.email).isEmpty())
        empty.append(SenderEmailForm::label(Field::Email));
    if (empty.isEmpty())
        return {};
    QString text = QStringLiteral("Sender e-mail: %1, so the camera cannot send e-mails. Press %2, choose your "
                                  "provider and type your account there")
                       .arg(emptyFields(empty), quoted(PageItems::emailSettingButtonText()));
    if (noServer)
        text += QStringLiteral(" (%1 lets you type the server too)")
                    .arg(quoted(ProviderNames().at(EmailPresets::kOtherPosition)));
    return text + QLatin1Char('.');
}

QString operatorProblem(const OperatorEntry &entry, bool byPhone)
{
    using Field = OperatorForm::Field;
    QStringList empty;
    if (byPhone) {
        if (LoadRecordText(entry.mms_url).isEmpty())
            empty.append(OperatorForm::label(Field::Url));
        if (LoadRecordText(entry.mms_apn).isEmpty())
            empty.append(OperatorForm::label(Field::MmsApn));
    } else if (LoadRecordText(entry.gprs_apn).isEmpty()) {
        empty.append(OperatorForm::label(Field::GprsApn));
    }
    if (empty.isEmpty())
        return {};
    const QString group = byPhone ? OperatorForm::mmsTitle() : OperatorForm::gprsTitle();
    const QString purpose = byPhone ? QStringLiteral("send by MMS")
                                    : QStringLiteral("reach the mobile internet to send e-mails");
    return QStringLiteral("Operator %1: %2 %3, so the camera cannot %4. Choose the operator %5, or a %6 item and "
                          "type your operator's settings under %7.")
        .arg(quoted(EntryName(entry)), group, emptyFields(empty), purpose, quoted(EntryName(AutoEntry)),
             quoted(EntryName(CustomOperators::BuiltIn().extra_customer)), quoted(PageItems::customButtonText()));
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
