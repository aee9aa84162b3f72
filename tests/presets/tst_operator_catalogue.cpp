#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <QTest>

class TestOperatorCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void countriesInOrder()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        QCOMPARE(catalogue.countryNames(),
                 QStringList({"Auto", "Austria", "Cyprus", "Czech Repblic", "Danmark", "Estonia",
                              "Finland", "Germany", "Hungary", "Israel", "Italy", "Netherland", "Norge",
                              "Norway", "Russia", "Slovakia", "Sweden", "Swiss", "United Kingdom",
                              "Customer"}));
    }

    void operatorItems_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("items");

        QTest::newRow("Auto") << 0 << QStringList{"Auto"};
        QTest::newRow("Danmark") << 4
                                 << QStringList{"3.", "4Recon", "4Recon1", "4Recon2", "callme", "Cbb",
                                                "Greentel", "M1", "TDC", "Telenor", "Telia", "Telmore",
                                                "Customer"};
        QTest::newRow("Germany") << 7
                                 << QStringList{"1&1", "E-Plus", "O2 Prepaid", "O2 with Contract",
                                                "RWAnyNet", "T-Mobile", "T-Mobile2", "Vodafone", "Customer"};
        QTest::newRow("Norge") << 12 << QStringList{"Netcom", "Tele2", "telenor", "Customer"};
        QTest::newRow("Norway") << 13
                                << QStringList{"Chess", "Netcom", "OneCall", "Talkmore", "Tele2", "Telenor",
                                               "Customer"};
        QTest::newRow("United Kingdom")
            << 18 << QStringList{"Vodafone", "Vodafone(Contract)", "Vodafone(Prepay)", "Customer"};
        QTest::newRow("Customer") << 19 << QStringList{"Customer1", "Customer2", "Customer3"};
    }

    void operatorItems()
    {
        QFETCH(int, row);
        QFETCH(QStringList, items);
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        QCOMPARE(catalogue.operatorItems(row), items);
    }

    void sixtyEightCarriers()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        int carriers = 0;
        for (int row = 1; row < OperatorCatalogue::kCustomerRow; ++row)
            carriers += catalogue.operatorCount(row);
        QCOMPARE(carriers, 68);
    }

    // Every item of every row: custom exactly for the Customer row and the extra last item.
    void isCustomForEveryItem()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        for (int row = 0; row < catalogue.countryCount(); ++row) {
            const int items = int(catalogue.operatorItems(row).size());
            for (int index = 0; index < items; ++index) {
                const bool expected = row == OperatorCatalogue::kCustomerRow
                                      || (row != OperatorCatalogue::kAutoRow && index == items - 1);
                QVERIFY2(catalogue.isCustom(row, index) == expected,
                         qPrintable(QString("row %1 item %2").arg(row).arg(index)));
            }
        }
    }

    void customItemsAreTheEditableEntries()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        QCOMPARE(&catalogue.customEntry(19, 1), &custom.country_customers[1]);
        QCOMPARE(&catalogue.customEntry(7, 8), &custom.extra_customer);
        QCOMPARE(&catalogue.customEntry(1, 1), &custom.extra_customer);
        QCOMPARE(&catalogue.operatorEntry(19, 2), &custom.country_customers[2]);

        // An edit shows under every country: there is one shared entry.
        StoreRecordText(catalogue.customEntry(7, 8).mms_apn, QStringLiteral("edited"));
        QCOMPARE(LoadRecordText(catalogue.customEntry(1, 1).mms_apn), QStringLiteral("edited"));
    }

    void carrierNamesFitTheirField()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        for (int row = 0; row < catalogue.countryCount(); ++row) {
            QVERIFY(catalogue.countryName(row).size() <= 15);
            for (int index = 0; index < catalogue.operatorCount(row); ++index) {
                const OperatorEntry &entry = catalogue.operatorEntry(row, index);
                QVERIFY(!EntryName(entry).isEmpty());
                QVERIFY(EntryName(entry).size() <= 31);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestOperatorCatalogue)
#include "tst_operator_catalogue.moc"
