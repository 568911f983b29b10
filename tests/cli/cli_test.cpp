// The command line as a user runs it: the built zr-t410-cli in a process of its own, beside a virtual
// radio on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>

#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "datafile/data_file.h"
#include "image/address_map.h"
#include "image/tone_list.h"
#include "platform/qt_text.h"
#include "radio-sim/virtual_radio.h"
#include "session/session.h"
#include "session/write_verification.h"
#include "support/cli_process.h"

namespace zrt {
namespace {

using Bytes = std::vector<std::uint8_t>;

using testing_support::cli;
using testing_support::cliPath;
using testing_support::CliRun;

// Waits for a condition another thread or process brings about; false if it never comes.
bool eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 6000; ++i) {
        if (condition()) return true;
        QThread::msleep(5);
    }
    return condition();
}

Bytes readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray d = f.readAll();
    return Bytes(d.begin(), d.end());
}

void writeBytes(const QString& path, const Bytes& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void writeText(const QString& path, const QString& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

Bytes noise(std::size_t size, unsigned seed) {
    Bytes b(size);
    std::uint32_t x = seed;
    for (auto& v : b) {
        x = x * 1664525u + 1013904223u;
        v = static_cast<std::uint8_t>(x >> 24);
    }
    return b;
}

// A data file of any image bytes.
Bytes dataFileOf(const Bytes& image) {
    Bytes file = datafile::header();
    file.insert(file.end(), image.begin(),
                image.begin() + static_cast<std::ptrdiff_t>(datafile::kImageBytes));
    return file;
}

// A configuration as a user builds it in the windows, saved.
Bytes knownDataFile(int bandIndex = 0) {
    Session s;
    s.chooseBand(bandIndex, [] { return true; });
    s.edit(Change::channels(1, kChannelCount), [](Configuration& c) {
        ChannelStore& ch = c.channels;
        const BandState& b = c.band;
        commitFrequency(ch, b, 1, ChannelFrequency::Receive, "145.12");
        commitFrequency(ch, b, 1, ChannelFrequency::Transmit, "145.72");
        commitListChoice(ch, 1, ChannelList::EncodeTone, toneListIndex("88.5"), "88.5");
        commitListChoice(ch, 1, ChannelList::Power, 0, {});
        commitName(ch, 1, "RPT1");
        commitFrequency(ch, b, 65, ChannelFrequency::Receive, "435.5");
        commitListChoice(ch, 65, ChannelList::DecodeTone, toneListIndex("D023I"), "D023I");
        commitListChoice(ch, 65, ChannelList::EncodeTone, toneListIndex("D023I"), "D023I");
        commitListChoice(ch, 65, ChannelList::Scan, 0, {});
        commitName(ch, 65, "UHF");
    });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.features[FeatureList::Beep] = 0; });  // beep off
    s.edit(Change::everything(), [&](Configuration& c_) { c_.features[FeatureList::TimeOutTimer] = 3; });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.features.displayCharacters = "HELLO"; });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.features.vfoAFrequency = "146.52000"; });
    s.edit(Change::everything(),
           [&](Configuration& c_) { c_.features[FeatureList::VfoAEncodeTone] = toneListIndex("100.0"); });
    s.edit(Change::everything(),
           [&](Configuration& c_) { c_.fm.channelFreq[0] = c_.fmWindow.cells[0] = "88.10"; });
    s.edit(Change::everything(),
           [&](Configuration& c_) { c_.fm.channelFreq[24] = c_.fmWindow.cells[24] = "107.90"; });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.fm.currentChannel = 3; });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.fm.displayMode = 1; });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.fm.step = 2; });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.fm.vfoFreq = "99.50"; });
    for (int i = 0; i < kCalibValues; ++i)
        s.edit(Change::everything(),
               [&](Configuration& c_) { c_.calib.values[static_cast<std::size_t>(i)] = 100 + i; });
    s.encode();
    return datafile::serialize(s.imageOut());
}

// What the program's Open and Save make of a data file.
Bytes openedAndSaved(const Bytes& file) {
    Session s;
    MemoryImage sImage;
    EXPECT_TRUE(datafile::load(file, sImage));
    s.decode(sImage);
    s.encode();
    return datafile::serialize(s.imageOut());
}

class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("ZRT410_BACKUP_DIR", backupFolder().toUtf8());
    }
    QString backupFolder() const { return path("backups"); }
    QStringList backups() const { return QDir(backupFolder()).entryList(QDir::Files); }
    void TearDown() override {
        if (radio_) radio_->stop();
    }

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    sim::VirtualRadio& startRadio(sim::RadioBehaviour behaviour = {}, sim::LineFaults faults = {}) {
        radio_ = std::make_unique<sim::VirtualRadio>(behaviour, faults);
        EXPECT_TRUE(radio_->open()) << radio_->error();
        EXPECT_TRUE(radio_->start());
        return *radio_;
    }
    QString device() const { return qs(radio_->devicePath()); }

    QTemporaryDir dir_;
    std::unique_ptr<sim::VirtualRadio> radio_;
};

// ---- Data files ---------------------------------------------------------------------------------------

TEST_F(Cli, ResaveIsTheProgramsOpenAndSaveByteForByte) {
    Bytes header = noise(datafile::kHeaderSize, 9);  // any header with the identifier is accepted
    std::copy(datafile::kModelIdentifier.begin(), datafile::kModelIdentifier.end(), header.begin());
    Bytes noisy = header;
    const Bytes image = noise(datafile::kImageBytes, 4);
    noisy.insert(noisy.end(), image.begin(), image.end());
    Bytes shortFile = knownDataFile(2);
    shortFile.resize(2000);  // the rest reads as 0xFF

    const std::pair<const char*, Bytes> files[] = {
        {"configured", knownDataFile(0)},
        {"noise", noisy},
        {"short", shortFile},
        {"erased", dataFileOf(Bytes(datafile::kImageBytes, 0xFF))},
    };
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        writeBytes(path("in.dat"), file);
        const CliRun r = cli({"resave", path("in.dat"), path("out.dat")});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(readBytes(path("out.dat")), openedAndSaved(file));
    }
}

TEST_F(Cli, AFileOfAnotherTypeIsRefusedWithTheProgramsMessage) {
    Bytes file = knownDataFile();
    std::copy_n("QMX274", 6, file.begin());
    writeBytes(path("radio.dat"), file);
    struct Case {
        QStringList before;  // options in front of the command
        QStringList extra;
        const char* message;
    };
    const Case cases[] = {{{}, {}, "File type is incorrect!"},
                          {{}, {"--lang", "zh"}, "文件类型不正确！"},
                          {{}, {"--lang=en"}, "File type is incorrect!"},
                          {{"--lang", "zh"}, {}, "文件类型不正确！"},
                          {{"--lang=zh"}, {}, "文件类型不正确！"}};
    for (const Case& c : cases) {
        const CliRun r =
            cli(QStringList(c.before) << "resave" << path("radio.dat") << path("out.dat") << c.extra);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err.trimmed(), QString::fromUtf8(c.message));
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(path("out.dat")));
    }
    const CliRun missing = cli({"show", path("missing.dat")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err.trimmed(), "The file could not be opened: " + path("missing.dat"));
}

TEST_F(Cli, UsageErrorsAndHelp) {
    const CliRun none = cli({});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.err.contains("Commands:"));
    const CliRun unknown = cli({"flash"});
    EXPECT_EQ(unknown.code, 2);
    for (const char* command : {"read", "write", "resave", "show", "print", "export", "import"}) {
        const CliRun help = cli({command, "--help"});
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_TRUE(help.out.contains(command)) << command;
    }
    EXPECT_EQ(cli({"resave", path("only-one.dat")}).code, 2);
    EXPECT_EQ(cli({"show", path("x.dat"), "--colour"}).code, 2);
    EXPECT_EQ(cli({"read", "--port", "/dev/null"}).code, 2);  // no -o
}

TEST_F(Cli, ShowJsonOfAKnownFile) {
    writeBytes(path("known.dat"), knownDataFile(0));
    const CliRun r = cli({"show", path("known.dat"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

    EXPECT_EQ(o["band"].toString(), "A:136-174MHz B:400-470MHz");
    const QJsonArray channels = o["channels"].toArray();
    ASSERT_EQ(channels.size(), 2);
    EXPECT_EQ(channels[0].toObject(), (QJsonObject{{"channel", 1},
                                                   {"group", "A"},
                                                   {"rx", "145.12000"},
                                                   {"tx", "145.72000"},
                                                   {"rx_tone", "Off"},
                                                   {"tx_tone", "88.5"},
                                                   {"power", "Low"},
                                                   {"busy_lock", "Off"},
                                                   {"scan", "On"},
                                                   {"bandwidth", "wide"},
                                                   {"scramble", "Off"},
                                                   {"name", "RPT1"}}));
    const QJsonObject b1 = channels[1].toObject();
    EXPECT_EQ(b1["channel"].toInt(), 65);
    EXPECT_EQ(b1["group"].toString(), "B");
    EXPECT_EQ(b1["rx_tone"].toString(), "D023I");
    EXPECT_EQ(b1["scan"].toString(), "Off");

    const QJsonObject features = o["features"].toObject();
    EXPECT_EQ(features["beep"].toString(), "Off");
    EXPECT_EQ(features["time_out_timer"].toString(), "3 Minute");
    EXPECT_EQ(features["key_lock_mode"].toString(), "KEY");
    EXPECT_EQ(features["vox_delay_time_s"].toString(), "1");
    EXPECT_EQ(features["display_character"].toString(), "HELLO");
    EXPECT_EQ(features["a_channel_number"].toString(), "1");
    EXPECT_FALSE(features.contains("companding"));  // hidden in the window
    EXPECT_EQ(features.size(), 34);
    const QJsonObject a = o["vfo_a"].toObject();
    EXPECT_EQ(a["frequency"].toString(), "146.52000");
    EXPECT_EQ(a["qt_dqt_enc"].toString(), "100.0");
    EXPECT_EQ(a["busy_channel_lock"].toString(), "Off");
    EXPECT_EQ(a["scramble"].toString(), "Off");
    const QJsonObject b = o["vfo_b"].toObject();
    EXPECT_EQ(b["frequency"].toString(), "435.00000");
    EXPECT_FALSE(b.contains("scramble"));

    const QJsonObject fm = o["fm"].toObject();
    const QJsonArray presets = fm["channels"].toArray();
    ASSERT_EQ(presets.size(), 25);
    EXPECT_EQ(presets[0].toString(), "88.10");
    EXPECT_EQ(presets[1].toString(), "");
    EXPECT_EQ(presets[24].toString(), "107.90");
    EXPECT_EQ(fm["start_channel"].toInt(), 3);
    EXPECT_EQ(fm["display_mode"].toString(), "Frequency");
    EXPECT_EQ(fm["step"].toString(), "200K");
    EXPECT_EQ(fm["vfo"].toString(), "99.50");
    const QJsonArray calibration = o["calibration"].toArray();
    ASSERT_EQ(calibration.size(), 18);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(calibration[i].toInt(), 100 + i) << i;
}

TEST_F(Cli, ShowTablesInTheWindowsWords) {
    writeBytes(path("known.dat"), knownDataFile(0));
    const CliRun en = cli({"show", path("known.dat")});
    ASSERT_EQ(en.code, 0);
    for (const char* text : {"Range: A:136-174MHz B:400-470MHz", "QT/DQT Enc", "A1 ", "B1 ", "RPT1",
                             "Beep:", "A Group VFO", "FM Channel Set", "Debugging Information"})
        EXPECT_TRUE(en.out.contains(QString::fromUtf8(text))) << text;
    const CliRun zh = cli({"show", path("known.dat"), "--lang", "zh"});
    for (const char* text : {"频段: A:136-174MHz", "信道编辑", "发射亚音频", "提示音:", "关", "调试信息"})
        EXPECT_TRUE(zh.out.contains(QString::fromUtf8(text))) << text;
}

// ---- Channel lists ------------------------------------------------------------------------------------

// diff compares by meaning: a file with itself, or with its Open-and-Save, is the same; one channel name
// and one feature make exactly two differences, in the windows' words.
TEST_F(Cli, DiffListsTheFieldsThatDiffer) {
    const Bytes known = knownDataFile(0);
    writeBytes(path("a.dat"), known);
    writeBytes(path("resaved.dat"), openedAndSaved(known));
    Session s;
    MemoryImage sImage;
    ASSERT_TRUE(datafile::load(known, sImage));
    s.decode(sImage);
    s.edit(Change::everything(), [&](Configuration& c_) { commitName(c_.channels, 65, "DX"); });
    s.edit(Change::everything(), [&](Configuration& c_) { c_.features[FeatureList::Beep] = 1; });  // beep on
    s.encode();
    writeBytes(path("b.dat"), datafile::serialize(s.imageOut()));

    for (const char* same : {"a.dat", "resaved.dat"}) {
        const CliRun r = cli({"diff", path("a.dat"), path(same)});
        EXPECT_EQ(r.code, 0) << same;
        EXPECT_EQ(r.out, "") << same;
        const QJsonDocument json =
            QJsonDocument::fromJson(cli({"diff", path("a.dat"), path(same), "--json"}).out.toUtf8());
        EXPECT_TRUE(json.isArray() && json.array().isEmpty()) << same;
    }
    const CliRun text = cli({"diff", path("a.dat"), path("b.dat")});
    EXPECT_EQ(text.code, 1);
    const QStringList lines = text.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << text.out.toStdString();
    EXPECT_EQ(lines[1].simplified(), "B1 Channel Name UHF DX");
    EXPECT_EQ(lines[2].simplified(), "Optional Features Beep Off On");
    EXPECT_TRUE(cli({"diff", path("a.dat"), path("b.dat"), "--lang", "zh"}).out.contains("频道名称"));

    const QJsonArray json =
        QJsonDocument::fromJson(cli({"diff", path("a.dat"), path("b.dat"), "--json"}).out.toUtf8()).array();
    ASSERT_EQ(json.size(), 2);
    EXPECT_EQ(json[0].toObject().value("group").toString(), "B");
    EXPECT_EQ(json[0].toObject().value("number").toInt(), 1);
    EXPECT_EQ(json[0].toObject().value("field").toString(), "Channel Name");
    EXPECT_EQ(json[1].toObject().value("field").toString(), "Beep");
    EXPECT_EQ(json[1].toObject().value("b").toString(), "On");

    Bytes other = known;
    std::copy_n("QMX274", 6, other.begin());
    writeBytes(path("other.dat"), other);
    const CliRun bad = cli({"diff", path("a.dat"), path("other.dat")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err.trimmed(), "File type is incorrect!");
}

TEST_F(Cli, ExportThenImportGivesTheSameChannels) {
    writeBytes(path("known.dat"), knownDataFile(0));
    writeBytes(path("blank.dat"), dataFileOf(Bytes(datafile::kImageBytes, 0xFF)));
    const CliRun out = cli({"export", path("known.dat"), path("list.csv")});
    ASSERT_EQ(out.code, 0) << out.err.toStdString();
    EXPECT_EQ(out.out.trimmed(), "2 channels exported.");
    const CliRun in = cli({"import", path("list.csv"), path("blank.dat"), "-o", path("back.dat")});
    ASSERT_EQ(in.code, 0) << in.err.toStdString();
    EXPECT_EQ(in.out.trimmed(), "2 channels imported, 0 emptied, 0 rows refused.");

    Session original, back;
    MemoryImage originalImage;
    ASSERT_TRUE(datafile::load(readBytes(path("known.dat")), originalImage));
    MemoryImage backImage;
    ASSERT_TRUE(datafile::load(readBytes(path("back.dat")), backImage));
    original.decode(originalImage);
    back.decode(backImage);
    for (int n = 1; n <= kChannelCount; ++n)
        for (int c = 1; c < kTableColumns; ++c)
            ASSERT_EQ(channelCellText(back.config().channels, n, c, kEnglish),
                      channelCellText(original.config().channels, n, c, kEnglish))
                << n << " " << c;
}

TEST_F(Cli, ImportNamesEveryRefusedLineAndWritesNothingUnlessTold) {
    writeBytes(path("known.dat"), knownDataFile(0));
    writeText(path("hand.csv"),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n"
              "2,Club,146.52,,,,\r\n"
              "3,Far,175.5,,,,\r\n"
              "4,Tone,145.6,-,0.6,Tone,89.0\r\n"
              "5,Seven77,145.7,,,,\r\n");
    const CliRun refused = cli({"import", path("hand.csv"), path("known.dat"), "-o", path("out.dat")});
    EXPECT_EQ(refused.code, 1);
    const QStringList lines = refused.err.trimmed().split('\n');
    EXPECT_EQ(lines,
              (QStringList{
                  "Line 3: Frequency 175.5 MHz: Beyond the scope of frequency band",
                  "Line 4: Tone 89.0 is not in the tone list",
                  "Line 5: Name \"Seven77\" became \"SEVEN7\" (at most six characters, no spaces or signs "
                  "the radio cannot show)",
                  "Nothing was written: correct the refused rows, or import without them.",
              }));
    EXPECT_EQ(refused.out.trimmed(), "2 channels imported, 0 emptied, 2 rows refused.");
    EXPECT_FALSE(QFile::exists(path("out.dat")));

    const CliRun skipped = cli(
        {"import", path("hand.csv"), path("known.dat"), "-o", path("out.dat"), "--skip-bad", "--lang", "zh"});
    EXPECT_EQ(skipped.code, 0);
    EXPECT_TRUE(skipped.err.contains(QString::fromUtf8("第 3 行：频率 175.5 MHz：超出频段范围")));
    Session s;
    MemoryImage sImage;
    ASSERT_TRUE(datafile::load(readBytes(path("out.dat")), sImage));
    s.decode(sImage);
    EXPECT_EQ(s.config().channels[1].name, "CLUB");
    EXPECT_TRUE(s.config().channels.isEmpty(3));
    EXPECT_EQ(s.config().channels[4].name, "SEVEN7");
    EXPECT_EQ(s.config().channels[0].name, "RPT1");  // not listed: kept

    writeText(path("other.csv"), "Channel,Frequency\n1,145.5\n");
    const CliRun other = cli({"import", path("other.csv"), path("known.dat"), "-o", path("x.dat")});
    EXPECT_EQ(other.code, 1);
    EXPECT_EQ(other.err.trimmed(),
              "The file is not a channel list: its first line must start with Location,");
}

// ---- Printing -----------------------------------------------------------------------------------------

// The text layer of a PDF, one string per page (pdftotext ends each page with a form feed).
QStringList pdfPages(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// All 128 channels used, each with its own frequency and name; and a file with none.
TEST_F(Cli, PrintPutsEveryUsedChannelOnPaperWithItsHeadingsInEitherLanguage) {
    Session s;
    for (int n = 1; n <= kChannelCount; ++n) {
        const double mhz = n <= 64 ? 144.0 + 0.025 * n : 430.0 + 0.025 * n;
        s.edit(Change::everything(), [&](Configuration& c_) {
            commitFrequency(c_.channels, c_.band, n, ChannelFrequency::Receive, std::to_string(mhz));
        });
        s.edit(Change::everything(), [&](Configuration& c_) {
            commitName(c_.channels, n, "N" + std::to_string(1000 + n).substr(1));
        });
    }
    s.encode();
    writeBytes(path("full.dat"), datafile::serialize(s.imageOut()));
    // A name wider than the page: it wraps, nothing of it is cut.
    const QString blankName = QString(200, u'W') + ".dat";
    const QString blankPath = dir_.filePath(blankName);
    writeBytes(blankPath, dataFileOf(Bytes(datafile::kImageBytes, 0xFF)));

    struct Case {
        const char* language;
        const char* locale;
        int pages;         // of the full file, as laid out on that paper
        const char* size;  // pdfinfo's page size
        const char* rxHeading;
        const char* groupB;
        const char*
            used;  // with a character whose twin among the CJK radicals a CJK font may map to one glyph
        const char* none;
    };
    const Case cases[] = {
        {"en", "C", 4, "595 x 842 pts (A4)", "RX Fre", "Group B", "Used channels: 64", "No channels"},
        {"zh", "C", 4, "595 x 842 pts (A4)", "接收频率", "B组频段", "已用信道: 64", "没有信道"},
        {"en", "en_US.UTF-8", 5, "612 x 792 pts (letter)", "RX Fre", "Group B", "Used channels: 64",
         "No channels"},
    };
    const QByteArray oldLocale = qgetenv("LC_ALL");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.locale);
        qputenv("LC_ALL", c.locale);
        const CliRun full = cli({"print", path("full.dat"), "-o", path("full.pdf"), "--lang", c.language});
        ASSERT_EQ(full.code, 0) << full.err.toStdString();
        const QStringList pages = pdfPages(path("full.pdf"));
        EXPECT_EQ(pages.size(), c.pages);
        ASSERT_FALSE(pages.isEmpty());
        EXPECT_TRUE(
            pages[0].contains("ZR-T410"));  // the trap: digits after Latin letters lost in the CJK font
        EXPECT_TRUE(pages[0].contains("full.dat"));
        for (const char* heading : {c.groupB, c.used})
            EXPECT_TRUE(pages.join("").contains(QString::fromUtf8(heading))) << heading;

        // Every channel on exactly one page, under the column headings of that page.
        for (int n = 1; n <= kChannelCount; ++n) {
            const QString rx = qs(s.config().channels[static_cast<std::size_t>(n - 1)].rxFrequency);
            const QString name = qs(s.config().channels[static_cast<std::size_t>(n - 1)].name);
            QList<int> on;
            for (int k = 0; k < pages.size(); ++k)
                if (pages[k].contains(rx) && pages[k].contains(name)) on << k;
            ASSERT_EQ(on.size(), 1) << n << " " << rx.toStdString();
            EXPECT_TRUE(pages[on[0]].contains(QString::fromUtf8(c.rxHeading))) << n;
        }

        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path("full.pdf")});
        ASSERT_TRUE(info.waitForFinished(60000));
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(c.size));

        const CliRun blank = cli({"print", blankPath, "-o", path("blank.pdf"), "--lang", c.language});
        ASSERT_EQ(blank.code, 0) << blank.err.toStdString();
        const QString text = pdfPages(path("blank.pdf")).join("");
        for (const char* shown : {"ZR-T410", "A:136-174MHz B:400-470MHz", c.none})
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;
        EXPECT_TRUE(QString(text).remove(u'\n').contains(blankName));
    }
    qputenv("LC_ALL", oldLocale);

    // A PDF that cannot be written leaves nothing behind and says so.
    const CliRun refused = cli({"print", path("full.dat"), "-o", path("no/such/folder/x.pdf")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(
        refused.err.trimmed().endsWith("The file could not be saved: " + path("no/such/folder/x.pdf")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("no/such/folder/x.pdf")));
}

// ---- The radio ----------------------------------------------------------------------------------------

TEST_F(Cli, ReadSavesWhatTheProgramSavesAndRawKeepsTheRadiosBytes) {
    sim::VirtualRadio& radio = startRadio();
    const Bytes memory = noise(sim::RadioProtocol::kMemorySize, 21);
    sim::RadioProtocol::Memory m;
    std::copy(memory.begin(), memory.end(), m.begin());
    radio.setMemory(m);

    const CliRun r = cli({"read", "--port", device(), "-o", path("read.dat")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("Reading succeeds frequently!"));
    EXPECT_EQ(readBytes(path("read.dat")), openedAndSaved(dataFileOf(memory)));

    const CliRun raw = cli({"read", "--port", device(), "--raw", "-o", path("raw.dat")});
    ASSERT_EQ(raw.code, 0) << raw.err.toStdString();
    EXPECT_EQ(readBytes(path("raw.dat")), dataFileOf(memory));
}

// Every read keeps the radio's memory as it came in the backups folder and names it; a backup that cannot be
// written is a warning, never a failed read.
TEST_F(Cli, ReadKeepsABackupOfTheRadiosMemory) {
    sim::VirtualRadio& radio = startRadio();
    const Bytes memory = noise(sim::RadioProtocol::kMemorySize, 23);
    sim::RadioProtocol::Memory m;
    std::copy(memory.begin(), memory.end(), m.begin());
    m[addr::kBand] = 3;
    radio.setMemory(m);

    const CliRun r = cli({"read", "--port", device(), "-o", path("read.dat")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_EQ(backups().size(), 1);
    EXPECT_TRUE(backups().first().endsWith("_band3.dat")) << backups().first().toStdString();
    const QString backup = QDir(backupFolder()).filePath(backups().first());
    EXPECT_TRUE(r.out.contains("Backup of the radio's memory: " + backup)) << r.out.toStdString();
    EXPECT_EQ(readBytes(backup), dataFileOf(Bytes(m.begin(), m.end())));

    EXPECT_EQ(cli({"read", "--port", device(), "--no-backup", "-o", path("read.dat")}).code, 0);
    EXPECT_EQ(backups().size(), 1);

    writeBytes(path("blocked"), {});  // a file where the folder should be
    qputenv("ZRT410_BACKUP_DIR", path("blocked").toUtf8());
    const CliRun blocked = cli({"read", "--port", device(), "-o", path("still.dat")});
    EXPECT_EQ(blocked.code, 0);
    EXPECT_TRUE(blocked.err.startsWith("The backup of the radio's memory could not be saved"))
        << blocked.err.toStdString();
    EXPECT_EQ(blocked.err.count('\n'), 1);
    EXPECT_TRUE(blocked.out.contains("Saved"));
    EXPECT_EQ(readBytes(path("still.dat")), readBytes(path("read.dat")));
}

TEST_F(Cli, WriteSendsTheFileAndVerifyReadsItBack) {
    sim::VirtualRadio& radio = startRadio();
    const Bytes file = knownDataFile(0);
    writeBytes(path("known.dat"), file);
    const CliRun r = cli({"write", "--port", device(), path("known.dat"), "--calibration", "--verify"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.split('\n').first(), "Writing succeeds frequently!");
    EXPECT_TRUE(r.out.contains("Checked: the radio holds all 190 blocks written."));

    // Every block written holds the program's encode of the file; the two never written keep the radio's.
    const Bytes expected = openedAndSaved(file);
    const auto memory = radio.memory();
    for (std::size_t block : writtenBlocks(true))
        for (std::size_t a = block; a < block + 16 && a < memory.size(); ++a)
            ASSERT_EQ(memory[a], expected[datafile::kHeaderSize + a]) << a;
    for (std::size_t a = 0x7C0; a < 0x7E0; ++a)
        ASSERT_EQ(memory[a], 0xFF) << a;
}

// A radio that acknowledges a block without storing it: the check names the block and fails.
TEST_F(Cli, VerifyCatchesARadioThatDropsABlock) {
    sim::RadioBehaviour behaviour;
    behaviour.dropBlock = 0x120;
    sim::VirtualRadio& radio = startRadio(behaviour);
    sim::RadioProtocol::Memory m;
    const Bytes before = noise(m.size(), 5);
    std::copy(before.begin(), before.end(), m.begin());
    radio.setMemory(m);
    writeBytes(path("known.dat"), knownDataFile(0));
    const CliRun r = cli({"write", "--port", device(), path("known.dat"), "--verify"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith("Block 0x120: first difference at 0x12")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Check failed: 1 of the 188 blocks written differ.")) << r.err.toStdString();
}

constexpr const char* kChecked190 = "Checked: the radio holds all 190 blocks written.";
constexpr const char* kChecked188 = "Checked: the radio holds all 188 blocks written.";

// read --raw, then write --raw of that backup, restores every byte the protocol writes, also those the
// program's encode would change (0x680.., 0x710.., 0x792..0x79F); the band of the file's byte and every
// option and check of write still apply.
TEST_F(Cli, WriteRawRestoresAReadRawBackupByteForByte) {
    struct Case {
        const char* name;
        std::uint8_t bandByte;
        std::uint8_t radioBand;
        QStringList options;
        int code;
        bool calibration;
        const char* said;
    };
    const char* succeeded = "Writing succeeds frequently!";
    const char* wrongBand = "The frequency band is not accorded with, can't write into!";
    const Case cases[] = {
        {"with calibration, checked", 2, 2, {"--calibration", "--verify"}, 0, true, kChecked190},
        {"a band byte past the list is band 0", 7, 0, {}, 0, false, succeeded},
        {"another band", 1, 3, {}, 1, false, wrongBand},
        {"another band, forced", 1, 3, {"--force-band", "--verify"}, 0, false, kChecked188},
    };
    unsigned seed = 30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::RadioBehaviour behaviour;
        behaviour.bandCode = c.radioBand;
        sim::VirtualRadio& radio = startRadio(behaviour);
        sim::RadioProtocol::Memory backup, changed;
        const Bytes a = noise(backup.size(), ++seed), b = noise(changed.size(), ++seed);
        std::copy(a.begin(), a.end(), backup.begin());
        std::copy(b.begin(), b.end(), changed.begin());
        backup[addr::kBand] = c.bandByte;
        radio.setMemory(backup);

        const CliRun read = cli({"read", "--raw", "--port", device(), "-o", path("backup.dat")});
        ASSERT_EQ(read.code, 0) << read.err.toStdString();
        radio.setMemory(changed);
        const CliRun write =
            cli(QStringList{"write", "--raw", "--port", device(), path("backup.dat")} << c.options);
        EXPECT_EQ(write.code, c.code) << write.err.toStdString();
        EXPECT_TRUE((write.out + write.err).contains(c.said))
            << write.out.toStdString() << write.err.toStdString();

        const auto memory = radio.memory();
        if (c.code != 0) {
            EXPECT_EQ(memory, changed);
            continue;
        }
        std::vector<bool> written(memory.size(), false);
        for (std::size_t block : writtenBlocks(c.calibration))
            for (std::size_t k = 0; k < 16 && block + k < memory.size(); ++k)
                written[block + k] = true;
        for (std::size_t i = 0; i < memory.size(); ++i)
            ASSERT_EQ(memory[i], written[i] ? backup[i] : changed[i]) << i;
    }

    Bytes other = dataFileOf(noise(datafile::kImageBytes, 3));
    std::copy_n("QMX274", 6, other.begin());
    writeBytes(path("other.dat"), other);
    const CliRun refused = cli({"write", "--raw", "--port", device(), path("other.dat")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err.trimmed(), "File type is incorrect!");
}

TEST_F(Cli, WriteWithoutCalibrationLeavesTheRadiosCalibration) {
    sim::VirtualRadio& radio = startRadio();
    sim::RadioProtocol::Memory m;
    m.fill(0x5A);
    radio.setMemory(m);
    writeBytes(path("known.dat"), knownDataFile(0));
    const CliRun r = cli({"write", "--port", device(), path("known.dat")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const auto memory = radio.memory();
    for (std::size_t a = 0x7E0; a < 0x800; ++a)
        ASSERT_EQ(memory[a], 0x5A) << a;
}

TEST_F(Cli, ARadioOfAnotherBandIsWrittenOnlyWhenForced) {
    sim::RadioBehaviour behaviour;
    behaviour.bandCode = 2;
    sim::VirtualRadio& radio = startRadio(behaviour);
    writeBytes(path("band0.dat"), knownDataFile(0));
    const auto before = radio.memory();

    const CliRun refused = cli({"write", "--port", device(), path("band0.dat")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err.trimmed(), "The frequency band is not accorded with, can't write into!");
    EXPECT_EQ(radio.memory(), before);

    const CliRun forced =
        cli({"write", "--port", device(), path("band0.dat"), "--force-band", "--lang", "zh"});
    EXPECT_EQ(forced.code, 0) << forced.err.toStdString();
    EXPECT_TRUE(forced.err.contains(QString::fromUtf8("频段不符，是否强制写入？")));
    EXPECT_EQ(forced.out.trimmed(), QString::fromUtf8("写频成功！"));
    EXPECT_NE(radio.memory(), before);

    // The file's band is the selected band: a file of band 2 needs no force.
    writeBytes(path("band2.dat"), knownDataFile(2));
    EXPECT_EQ(cli({"write", "--port", device(), path("band2.dat")}).code, 0);
}

// Ctrl+C or a termination request in the middle of a transfer: the radio is told to leave programming mode,
// the port is let go (the next command can use it), nothing is saved, and the status says which signal.
TEST_F(Cli, AnInterruptedTransferEndsTheRadiosProgrammingMode) {
    const QString stopped = "Interrupted: the radio was told to leave programming mode.";
    const QString partly = "The radio's memory may be only partly written: write it again before use.";
    const QString stoppedZh = QString::fromUtf8("已中断：已通知对讲机退出编程模式。");
    const QString partlyZh = QString::fromUtf8("对讲机的存储可能只写入了一部分：使用前请重新写入。");
    struct Case {
        const char* name;
        bool write;
        int signal;
        QStringList extra;
        QStringList said;
    };
    // The reads come last: the read after the loop needs a radio that answers at a read's pace.
    const Case cases[] = {
        {"write, Ctrl+C", true, SIGINT, {"--verify"}, {stopped, partly}},
        {"raw write, in Chinese", true, SIGINT, {"--raw", "--lang", "zh"}, {stoppedZh, partlyZh}},
        {"read, Ctrl+C", false, SIGINT, {}, {stopped}},
        {"read, terminated, in Chinese", false, SIGTERM, {"--lang", "zh"}, {stoppedZh}},
    };
    writeBytes(path("known.dat"), knownDataFile(0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Slow replies keep the transfer going long enough to be interrupted in its middle.
        sim::LineFaults faults;
        faults.splitReplies = true;
        faults.splitGapMicros = c.write ? 20000 : 200;
        sim::VirtualRadio& radio = startRadio({}, faults);
        QStringList args =
            c.write ? QStringList{"write", path("known.dat")} : QStringList{"read", "-o", path("never.dat")};
        args << "--port" << device() << c.extra;

        QProcess p;
        p.start(cliPath(), args);
        ASSERT_TRUE(p.waitForStarted());
        const auto blockFrames = [&] {
            const auto frames = radio.frames();
            return std::count_if(frames.begin(), frames.end(), [](const sim::ReceivedFrame& f) {
                return f.kind == sim::ReceivedFrame::Kind::Read || f.kind == sim::ReceivedFrame::Kind::Write;
            });
        };
        ASSERT_TRUE(eventually([&] { return blockFrames() >= 5; }));
        ASSERT_TRUE(radio.programming());
        ::kill(static_cast<pid_t>(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(30000));

        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 128 + c.signal);
        const QStringList err = QString::fromUtf8(p.readAllStandardError()).trimmed().split('\n');
        EXPECT_EQ(err, c.said);
        EXPECT_LT(blockFrames(), 190);  // stopped in the middle
        EXPECT_TRUE(eventually([&] { return !radio.programming(); }));
        EXPECT_EQ(radio.frames().back().kind, sim::ReceivedFrame::Kind::End);
        EXPECT_FALSE(QFile::exists(path("never.dat")));
    }
    // The line was left clean: the last radio can be read at once.
    const CliRun again = cli({"read", "--port", device(), "-o", path("after.dat")});
    EXPECT_EQ(again.code, 0) << again.err.toStdString();
}

TEST_F(Cli, ASilentRadioEndsWithTheCommunicationError) {
    sim::RadioBehaviour behaviour;
    behaviour.silentAfter = 0;
    startRadio(behaviour);
    const CliRun r = cli({"read", "--port", device(), "-o", path("never.dat"), "--lang", "zh"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.trimmed(), QString::fromUtf8("通信出错，请检查对讲机，连线及串口选择！"));
    EXPECT_FALSE(QFile::exists(path("never.dat")));
}

TEST_F(Cli, APulledCableEndsWithTheCommunicationError) {
    sim::LineFaults faults;
    faults.closeAfter = 40;
    startRadio({}, faults);
    writeBytes(path("known.dat"), knownDataFile(0));
    const CliRun r = cli({"write", "--port", device(), path("known.dat")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.trimmed(), "Communication error, check the line and the serial connection selection!");
}

TEST_F(Cli, APortThatCannotBeOpenedIsNamed) {
    const CliRun r = cli({"read", "--port", path("no-such-tty"), "-o", path("x.dat")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith("Serial port" + path("no-such-tty") + "Invalid or has already been used"))
        << r.err.toStdString();
}

}  // namespace
}  // namespace zrt
