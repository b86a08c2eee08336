#include "platform/Clock.h"
#include "platform/FontCatalog.h"
#include "platform/MailComposer.h"
#include "reports/DateEx.h"
#include "screens/base/CHDatePickerView.h"
#include "screens/base/PropertyView.h"
#include "screens/settings/AboutController.h"
#include "screens/settings/EditOilMarkViewController.h"
#include "screens/settings/EditPrecisionDigitsController.h"
#include "screens/settings/HelpController.h"
#include "screens/settings/SettingCell.h"
#include "screens/settings/SettingDateViewController.h"
#include "screens/settings/SettingUnitConfigController.h"
#include "screens/settings/SettingViewController.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/PropertyListFile.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "support/AccessibilityWalk.h"
#include "support/FakeBrowser.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationController.h"
#include "widgets/Switch.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QSettings>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

using ScreenDriver::focused;
using ScreenDriver::press;

QVariant storedPreference(const char* key)
{
    return QSettings(Setting::preferencesPath(), QSettings::IniFormat).value(QLatin1String(key));
}

// The desktop's mail program and browser, as the about screen reaches them.
class FakeMailProgram : public MailComposer
{
public:
    bool installed = true;
    QStringList composed; // "subject to recipients"

    void canSendMail(QObject*, CanSendAnswer answer) override { answer(installed); }
    void compose(const Message& message, QObject*, Finished finished) override
    {
        composed << message.subject + QLatin1String(" to ") + message.toRecipients.join(QLatin1Char(','));
        finished(Result::Sent, QString());
    }
};

} // namespace

// The settings tab, its about and help screens and the preference editors, pushed over a screen
// as in the app and driven from the keyboard or by name, shown in Chinese. What they store is
// read back from the files themselves.
class TestSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    std::shared_ptr<FakeMailProgram> m_mail;
    std::shared_ptr<FakeBrowser> m_browser;

    // Pushed over a screen as in the app: every control can be named and used, and every key
    // shown has its English text.
    template <typename Screen>
    Screen* push(Screen* editor)
    {
        m_host->navigationController()->pushViewController(editor, false);
        AccessibilityWalk::verify(m_host->window());
        return editor;
    }

    bool isOpen(ViewController* editor) const
    {
        return m_host->navigationController()->topViewController() == editor;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>("zh_CN", "Asia/Shanghai");
        QVERIFY(LogBuilder::createStore());
        m_host = std::make_unique<ScreenHost>(new ViewController);
        m_mail = std::make_shared<FakeMailProgram>();
        m_browser = std::make_shared<FakeBrowser>();
    }

    bool act(const QString& name, const QString& action = QAccessibleActionInterface::pressAction())
    {
        return AccessibilityWalk::act(m_host->window(), name, action);
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    void theUnitSettingWritesOnlyARealChange_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("stored"); // unit|update_date
        QTest::newRow("the same unit") << 0 << false << "1|1300000000.0";
        QTest::newRow("another unit") << 2 << false << "3|1400000000.0";
        QTest::newRow("refused by the store") << 2 << true << "1|1300000000.0";
    }

    void theUnitSettingWritesOnlyARealChange()
    {
        QFETCH(int, turns);
        QFETCH(bool, refused);
        QFETCH(QString, stored);
        Clock::setFixedNow(Date(1400000000));
        LogBuilder::addCar(QStringLiteral("Golf"), 1);
        CarInfo* car = CarManage::sharedCarManage()->getAllCars().constFirst();
        SettingUnitConfigController* editor = SettingUnitConfigController::newViewController();
        editor->setCarInfo(car);
        push(editor);
        QCOMPARE(editor->findChild<PropertyView*>()->getText(), QStringLiteral("L/100km"));
        for (int turn = 0; turn < turns; ++turn)
            press(Qt::Key_Down);
        if (refused)
            LogBuilder::refuse("update", "car_information");
        press(Qt::Key_Return);
        QCOMPARE(isOpen(editor), refused);
        QCOMPARE(ScreenDriver::alertText().startsWith(QStringLiteral("失败|油耗单位没有保存。\n")), refused);
        QCOMPARE(car->unit, Unit::unitAtPosition(stored.left(1).toInt()));
        QCOMPARE(LogBuilder::value("select unit || '|' || update_date from car_information"), stored);
    }

    // The date the picker shows is stored as it is, with its seconds, also across a year.
    void theStartDateEditorStoresWhatItShows_data()
    {
        QTest::addColumn<int>("key"); // a key of the year and month bar; -1 none, -2 the year wheel
        QTest::addColumn<double>("expected");
        const double start = LogBuilder::at(2011, 12, 31, 23, 30, "Asia/Shanghai") + 30.25;
        QTest::newRow("untouched, to the quarter second") << -1 << start;
        QTest::newRow("a month on, into the new year")
            << int(TopHelpView::MonthOn) << LogBuilder::at(2012, 1, 31, 23, 30, "Asia/Shanghai");
        QTest::newRow("the year wheel on a turn") << -2 << start + 366 * 86400.0;
    }

    void theStartDateEditorStoresWhatItShows()
    {
        QFETCH(int, key);
        QFETCH(double, expected);
        QVERIFY(Setting::setStartDate(Date(LogBuilder::at(2011, 12, 31, 23, 30, "Asia/Shanghai") + 30.25)));
        ViewController* editor = push(new SettingDateViewController);
        if (key >= 0)
            ScreenDriver::tap(editor->findChild<TopHelpView*>()->key(key));
        else if (key == -2)
            press(Qt::Key_Down);
        QCOMPARE(editor->findChild<PropertyView*>()->getText(), DateEx::settingDateString(Date(expected)));
        press(Qt::Key_Return);
        QVERIFY(!isOpen(editor));
        QCOMPARE(storedPreference(Setting::kCarFilterStartDate).toDouble(), expected);
    }

    void theGradeEditor_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("name"); // empty: left as shown
        QTest::addColumn<QString>("price"); // "=": left as shown
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("written"); // the grade's name and price in the list's file
        const auto row = [](const char* name, int precision, const char* typedName, const char* price,
                             const char* alert, const char* written) {
            QTest::newRow(name) << precision << QString::fromUtf8(typedName) << QString::fromUtf8(price)
                                << QString::fromUtf8(alert) << QString::fromUtf8(written);
        };
        row("no price", 2, "", "", "|请输入油价格", "Premium 95 1.75");
        row("a name of spaces", 2, "  ", "2", "|请输入油标号", "Premium 95 1.75");
        row("0.009 at three decimals", 3, "", ".009", "|输入油价格不合适", "Premium 95 1.75");
        row("0.01 for a trimmed 0#", 2, " 0# ", ".01", "", "0# 0.01");
        row("markup kept, the price as shown at one decimal", 1, "Super <98> & more", "=", "",
            "Super <98> & more 1.75");
        row("a list that cannot be written", 2, "", "9", "失败|油品没有保存：油品列表无法写入。", "");
    }

    // The name as free text, trimmed; the price as an amount with the user's decimals, and one
    // left as shown keeps its stored value, not its rounded text. A refusal or a failed write
    // keeps the editor open with what was typed, and the grade as stored.
    void theGradeEditor()
    {
        QFETCH(int, precision);
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(QString, alert);
        QFETCH(QString, written);
        QVERIFY(Setting::setFloatValuePrecisionDigits(precision));
        OilInfo* grade = OilInfo::infoAtPosition(1);
        const QString gradeFile = m_data->filePath(QStringLiteral("OilSpec_Info.plist"));
        auto* editor = new EditOilMarkViewController;
        editor->setEditOilInfo(grade);
        push(editor);
        QCOMPARE(focused()->accessibleName(), QStringLiteral("缺省价格"));
        if (!name.isEmpty()) {
            press(Qt::Key_Backtab);
            QCOMPARE(focused()->accessibleName(), QStringLiteral("油品名称"));
            QVERIFY(act(QStringLiteral("清除")));
            ScreenDriver::type(focused(), name);
            press(Qt::Key_Tab);
        }
        if (price != QLatin1String("=")) {
            QVERIFY(act(QStringLiteral("清除")));
            ScreenDriver::type(focused(), price);
        }
        // A directory in the file's place: the list cannot be replaced.
        if (written.isEmpty())
            QVERIFY(QFile::remove(gradeFile) && QDir().mkpath(gradeFile));
        press(Qt::Key_Return);

        QVERIFY(alert.isEmpty() ? ScreenDriver::alertText().isEmpty()
                                : ScreenDriver::alertText().startsWith(alert));
        QCOMPARE(isOpen(editor), !alert.isEmpty());
        if (!alert.isEmpty())
            QCOMPARE(editor->findChildren<PropertyView*>().at(1)->getText(), price);
        if (written.isEmpty()) {
            QCOMPARE(grade->defaultPrice, 1.75f);
            return;
        }
        const QVariant grades = PropertyListFile::readDictionary(gradeFile)->value(QStringLiteral("OilSpec"));
        const QVariantMap onDisk = grades.toList().at(1).toMap();
        QCOMPARE(onDisk.value(QStringLiteral("name")).toString() + QLatin1Char(' ')
                + QString::number(onDisk.value(QStringLiteral("price")).toDouble(), 'g', 15),
            written);
    }

    // Each row opens its editor, and the list shows what the editor saved as soon as it leaves;
    // an editor left by the back button saves nothing. The position switch stores at once, or
    // says it could not.
    // Without a car the grade rows are blank, and open the grade editor all the same.
    void theSettingsList()
    {
        auto* settings = push(new SettingViewController(m_mail, m_browser));
        const QList<SettingCell*> cells = settings->findChildren<SettingCell*>();
        SettingCell* grade = cells.at(SettingFigures::GeneralRowCount + 1);
        QCOMPARE(grade->label() + grade->detail(), QString());

        for (const bool save : { false, true }) {
            QCOMPARE(cells.at(SettingFigures::PrecisionRow)->detail(), QStringLiteral("2"));
            QCOMPARE(storedPreference(Setting::kPrecisionDigits).toInt(), 2);
            QVERIFY(act(QStringLiteral("Precision Digits")));
            EditPrecisionDigitsController* editor = nullptr;
            QTRY_VERIFY(editor = qobject_cast<EditPrecisionDigitsController*>(
                            m_host->navigationController()->topViewController()));
            press(Qt::Key_Down);
            QCOMPARE(editor->findChild<QListWidget*>()->item(2)->checkState(), Qt::Checked);
            if (save)
                press(Qt::Key_Return);
            else
                QVERIFY(ScreenDriver::tap(m_host->navigationController()->navigationBar()->backButton()));
            QTRY_VERIFY(!isOpen(editor));
        }
        QCOMPARE(cells.at(SettingFigures::PrecisionRow)->detail(), QStringLiteral("3"));
        QCOMPARE(storedPreference(Setting::kPrecisionDigits).toInt(), 3);

        Switch* position = settings->findChild<Switch*>();
        QVERIFY(position->isChecked());
        QVERIFY(act(QStringLiteral("加油时记录位置"), QAccessibleActionInterface::toggleAction()));
        QVERIFY(!position->isChecked() && ScreenDriver::alertText().isEmpty());
        QCOMPARE(storedPreference(Setting::kGPSFlag).toBool(), false);
        // One that cannot be written is said so, and the switch stays as it was.
        QVERIFY(QFile::remove(Setting::preferencesPath()) && QDir().mkpath(Setting::preferencesPath()));
        QVERIFY(act(QStringLiteral("加油时记录位置"), QAccessibleActionInterface::toggleAction()));
        QVERIFY(!position->isChecked());
        QVERIFY(ScreenDriver::alertText().startsWith(QStringLiteral("失败|位置记录设置没有保存")));

        ScreenDriver::tap(grade);
        auto* editor
            = qobject_cast<EditOilMarkViewController*>(m_host->navigationController()->topViewController());
        QCOMPARE(editor ? editor->editOilInfo() : nullptr, OilInfo::infoAtPosition(1));
    }

    // The about screen's rows hand over to the mail program or the browser, or say they could
    // not. Help opens a page from the resources, in the language shown; its web link goes to the
    // browser, Escape closes it.
    void theAboutScreenHandsOver_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("installed"); // the mail program or the browser
        QTest::addColumn<QString>("result"); // what was handed over, then the alert
        QTest::newRow("support mail") << "联系支持" << true << "Fillory Support to support@pumpora.example";
        QTest::newRow("no mail program") << "联系支持" << false << "Error|不能发送Email";
        QTest::newRow("rating") << "给 Pumpora 评分" << true << AboutController::kRatePage;
        // The web site is handed over even when no browser takes it.
        const QString site = QLatin1String(AboutController::kWebSite);
        QTest::newRow("no browser") << "访问网站" << false << site + QStringLiteral("失败|无法打开 ") + site;
        QTest::newRow("help") << "Help" << true << "https://www.pumpora.example/pumpora/zh/help.html";
        QTest::newRow("help in English")
            << "Help" << true << "https://www.pumpora.example/pumpora/en/help.html";
    }

    void theAboutScreenHandsOver()
    {
        QFETCH(QString, row);
        QFETCH(bool, installed);
        QFETCH(QString, result);
        // The English page's row runs with the English table.
        const bool english = result.endsWith(QLatin1String("/en/help.html"));
        QTranslator table;
        QVERIFY(table.load(QStringLiteral(":/bundle/pumpora_en.qm")));
        if (english)
            QCoreApplication::installTranslator(&table);
        m_mail->installed = m_browser->installed = installed;
        push(new AboutController(m_mail, m_browser));
        QVERIFY(act(row));
        if (row == QLatin1String("Help")) {
            HelpController* help = nullptr;
            QTRY_VERIFY(help = m_host->window()->visibleViewController()->findChild<HelpController*>());
            AccessibilityWalk::verify(m_host->window());
            QCOMPARE(help->webView()->source().scheme(), QStringLiteral("qrc"));
            QVERIFY(help->webView()->toPlainText().startsWith(english ? "Pumpora Help" : "Pumpora 帮助"));
            press(Qt::Key_Tab);
            press(Qt::Key_Return);
            press(Qt::Key_Escape);
            QTRY_COMPARE(m_host->window()->visibleViewController(), m_host->navigationController());
        }
        QTRY_COMPARE(
            (m_mail->composed + m_browser->opened).join(QLatin1Char('\n')) + ScreenDriver::alertText(),
            result);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
