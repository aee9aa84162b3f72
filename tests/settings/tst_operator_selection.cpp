#include "settings/operator_selection.h"
#include "settings/profile_session.h"
#include "profile/record_text.h"

#include <QTest>

namespace {

constexpr int kAustria = 1;
constexpr int kDanmark = 4;
constexpr int kGermany = 7;
constexpr int kCustomer = OperatorCatalogue::kCustomerRow;

QString recordOperatorName(const ProfileSession &session)
{
    return LoadRecordText(session.record.operator_.name);
}

void editRecordOperator(ProfileSession &session, const QString &apn)
{
    StoreRecordText(session.record.operator_.mms_apn, apn);
}

} // namespace

namespace {

// The positions the page's country and operator lists show.
struct Positions {
    int country_position = 0;
    int operator_position = 0;
};

} // namespace

class TestOperatorSelection : public QObject
{
    Q_OBJECT

private slots:
    void customOnlyOnTheLastItemOfACountry()
    {
        ProfileSession session;
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        selection.countryChanged(kDanmark);
        QCOMPARE(selection.operatorItems().size(), 13);
        QCOMPARE(selection.operatorItems().last(), QStringLiteral("Customer"));
        for (int i = 0; i < 12; ++i) {
            selection.operatorChanged(i);
            QVERIFY2(!selection.customEnabled(), qPrintable(QString::number(i)));
        }
        selection.operatorChanged(12);
        QVERIFY(selection.customEnabled());
        QCOMPARE(recordOperatorName(session), QStringLiteral("Customer"));
    }

    void choosingTheCustomerCountryCopiesAtOnce()
    {
        ProfileSession session;
        StoreRecordText(session.custom.country_customers[2].mms_apn, QStringLiteral("three"));
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();

        selection.countryChanged(kCustomer);
        QCOMPARE(values.operator_position, 0);
        QVERIFY(selection.customEnabled());
        QCOMPARE(recordOperatorName(session), QStringLiteral("Customer1"));

        selection.operatorChanged(2);
        QVERIFY(session.record.operator_ == session.custom.country_customers[2]);
    }

    void carriersCopyNothingUntilTransfer()
    {
        ProfileSession session;
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        const OperatorEntry before = session.record.operator_;
        selection.countryChanged(kGermany);
        selection.operatorChanged(5);
        QVERIFY(session.record.operator_ == before);
        QVERIFY(!selection.customEnabled());

        selection.transfer();
        QCOMPARE(recordOperatorName(session), QStringLiteral("T-Mobile"));
        QVERIFY(session.record.operator_ == session.catalogue.operatorEntry(kGermany, 5));
    }

    void openingTakesTheEntryItShows_data()
    {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("entry"); // what the record's operator holds after opening

        QTest::newRow("extra Customer item") << kDanmark << 12 << 12 << "shared";
        QTest::newRow("carrier") << kGermany << 7 << 7 << "loaded";
        QTest::newRow("Customer3") << kCustomer << 2 << 2 << "loaded";
        QTest::newRow("carrier beyond the items") << kGermany << 40 << 0 << "loaded";
        QTest::newRow("Customer beyond its three") << kCustomer << 3 << 0 << "Customer1";
        QTest::newRow("Customer at 255") << kCustomer << 255 << 0 << "Customer1";
    }

    void openingTakesTheEntryItShows()
    {
        QFETCH(int, country);
        QFETCH(int, index);
        QFETCH(int, position);
        QFETCH(QString, entry);

        ProfileSession session;
        StoreRecordText(session.custom.extra_customer.gprs_apn, QStringLiteral("shared"));
        StoreRecordText(session.custom.country_customers[0].gprs_apn, QStringLiteral("first"));
        const CustomOperators before = session.custom;
        session.record.country_index = std::uint8_t(country);
        session.record.operator_index = std::uint8_t(index);
        editRecordOperator(session, "loaded");
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        QCOMPARE(values.operator_position, position);

        if (entry == "shared")
            QVERIFY(session.record.operator_ == session.custom.extra_customer);
        else if (entry == "Customer1")
            QVERIFY(session.record.operator_ == session.custom.country_customers[0]);
        else
            QCOMPARE(LoadRecordText(session.record.operator_.mms_apn), QStringLiteral("loaded"));

        // "OK" then never copies a loaded stranger over "Customer1".
        selection.transfer();
        QVERIFY(session.custom.country_customers[0] == before.country_customers[0]);
    }

    void editsReachTheChosenCustomEntryOnTransfer()
    {
        ProfileSession session;
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        selection.countryChanged(kCustomer);
        selection.operatorChanged(1);
        editRecordOperator(session, "edited");
        selection.transfer();

        QCOMPARE(LoadRecordText(session.custom.country_customers[1].mms_apn), QStringLiteral("edited"));
        QCOMPARE(LoadRecordText(session.custom.country_customers[1].name), QStringLiteral("Customer2"));
        QVERIFY(session.custom.country_customers[0] == CustomOperators::BuiltIn().country_customers[0]);
        QVERIFY(session.custom.country_customers[2] == CustomOperators::BuiltIn().country_customers[2]);
    }

    void oneSharedEntryForEveryCountry()
    {
        ProfileSession session;
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        selection.countryChanged(kGermany);
        selection.operatorChanged(8);
        editRecordOperator(session, "germany");
        selection.transfer();

        selection.countryChanged(kAustria);
        selection.operatorChanged(1);
        QCOMPARE(LoadRecordText(session.record.operator_.mms_apn), QStringLiteral("germany"));
    }

    void editsAreLostWhenAnotherItemIsChosenFirst()
    {
        ProfileSession session;
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        selection.countryChanged(kGermany);
        selection.operatorChanged(8);
        editRecordOperator(session, "unsaved");
        selection.operatorChanged(0);
        selection.transfer();

        QCOMPARE(recordOperatorName(session), QStringLiteral("1&1"));
        QVERIFY(session.custom.extra_customer == CustomOperators::BuiltIn().extra_customer);
    }

    void resetTakesAuto()
    {
        ProfileSession session;
        Positions values;
        OperatorSelection selection(values.country_position, values.operator_position, session.record, session.catalogue);
        selection.load();
        selection.countryChanged(kCustomer);
        selection.reset();
        QCOMPARE(values.country_position, 0);
        QCOMPARE(values.operator_position, 0);
        QVERIFY(session.record.operator_ == AutoEntry);
        QCOMPARE(selection.operatorItems(), QStringList{"Auto"});
        QVERIFY(!selection.customEnabled());
    }
};

QTEST_GUILESS_MAIN(TestOperatorSelection)
#include "tst_operator_selection.moc"
