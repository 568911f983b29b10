// The command line as a user runs it: the built zr-t410-cli in a process of its own, beside a virtual
// radio on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "cli/cli_texts.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "datafile/data_file.h"
#include "i18n/backup_captions.h"
#include "image/address_map.h"
#include "image/tone_list.h"
#include "session/write_verification.h"
#include "support/cli_process.h"
#include "support/serial_fixture.h"

namespace zrt {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::cli;
using testing_support::cliPath;
using testing_support::CliRun;
using testing_support::fillPattern;
using testing_support::framesOf;
using testing_support::SerialBench;
using testing_support::settle;

QString said(const Text& text, int language = kEnglish) {
    return qs(text, language);
}
QString said(const msg::Message& message, int language = kEnglish) {
    return qs(message.text, language);
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
    fillPattern(b, seed);
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
    s.edit(Change::everything(), [](Configuration& c) {
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
        c.features[FeatureList::Beep] = 0;  // beep off
        c.features[FeatureList::TimeOutTimer] = 3;
        c.features.displayCharacters = "HELLO";
        c.features.vfoAFrequency = "146.52000";
        c.features[FeatureList::VfoAEncodeTone] = toneListIndex("100.0");
        c.fm.channelFreq[0] = c.fmWindow.cells[0] = "88.10";
        c.fm.channelFreq[24] = c.fmWindow.cells[24] = "107.90";
        c.fm.currentChannel = 3;
        c.fm.displayMode = 1;
        c.fm.step = 2;
        c.fm.vfoFreq = "99.50";
        for (int i = 0; i < kCalibValues; ++i)
            c.calib.values[static_cast<std::size_t>(i)] = 100 + i;
    });
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
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    sim::VirtualRadio& startRadio(sim::RadioBehaviour behaviour = {}, sim::LineFaults faults = {},
                                  const sim::RadioProtocol::Memory& memory = {}) {
        return bench_.startRadio(memory, behaviour, faults, false);
    }
    QString device() const { return bench_.device(); }

    QTemporaryDir dir_;
    SerialBench bench_;
};

// ---- Data files ---------------------------------------------------------------------------------------

TEST_F(Cli, ResaveIsTheProgramsOpenAndSaveByteForByte) {
    Bytes noisy = noise(datafile::kFileSize, 9);  // any header with the identifier is accepted
    std::copy(datafile::kModelIdentifier.begin(), datafile::kModelIdentifier.end(), noisy.begin());
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

// Usage errors exit 2, refusals 1 with the program's message in the language asked for, before or after the
// command; nothing is written.
TEST_F(Cli, UsageErrorsHelpAndRefusedFiles) {
    Bytes file = knownDataFile();
    std::copy_n("QMX274", 6, file.begin());
    writeBytes(path("radio.dat"), file);
    const QString typeZh = said(msg::kFileTypeIncorrect, kChinese), type = said(msg::kFileTypeIncorrect);
    const QString missing = said(msg::kFileOpenFailed) + path("missing.dat");
    struct Case {
        QStringList args;
        int code;
        QString err;  // the whole of it, when given
    };
    const Case cases[] = {
        {{}, 2, {}},
        {{"flash"}, 2, {}},
        {{"resave", path("only-one.dat")}, 2, {}},
        {{"show", path("x.dat"), "--colour"}, 2, {}},
        {{"read", "--port", "/dev/null"}, 2, {}},  // no -o
        {{"resave", path("radio.dat"), path("out.dat")}, 1, type},
        {{"resave", path("radio.dat"), path("out.dat"), "--lang", "zh"}, 1, typeZh},
        {{"resave", path("radio.dat"), path("out.dat"), "--lang=en"}, 1, type},
        {{"--lang=zh", "resave", path("radio.dat"), path("out.dat")}, 1, typeZh},
        {{"show", path("missing.dat")}, 1, missing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(c.err.isEmpty() || r.err.trimmed() == c.err) << r.err.toStdString();
        EXPECT_TRUE(c.code != 1 || r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(path("out.dat")));
    }
    EXPECT_TRUE(cli({}).err.contains("Commands:"));
    for (const char* command : {"read", "write", "resave", "show", "print", "export", "import"}) {
        const CliRun help = cli({command, "--help"});
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_TRUE(help.out.contains(command)) << command;
    }
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
    EXPECT_EQ(bad.err.trimmed(), said(msg::kFileTypeIncorrect));
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
    s.edit(Change::everything(), [](Configuration& c) {
        for (int n = 1; n <= kChannelCount; ++n) {
            const double mhz = n <= 64 ? 144.0 + 0.025 * n : 430.0 + 0.025 * n;
            commitFrequency(c.channels, c.band, n, ChannelFrequency::Receive, std::to_string(mhz));
            commitName(c.channels, n, "N" + std::to_string(1000 + n).substr(1));
        }
    });
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
    EXPECT_TRUE(refused.err.trimmed().endsWith(said(msg::kFileSaveFailed) + path("no/such/folder/x.pdf")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("no/such/folder/x.pdf")));
}

// ---- The radio ----------------------------------------------------------------------------------------

// A read saves what the program's Open and Save make of the radio's memory, --raw the bytes as they came;
// every read keeps them in the backups folder and names the backup; a backup that cannot be written is a
// warning, never a failed read.
TEST_F(Cli, ReadSavesWhatTheProgramSavesRawKeepsTheRadiosBytesAndEveryReadABackup) {
    sim::RadioProtocol::Memory m;
    fillPattern(m, 21);
    m[addr::kBand] = 3;
    startRadio({}, {}, m);
    const Bytes radios = dataFileOf(Bytes(m.begin(), m.end()));

    const CliRun r = cli({"read", "--port", device(), "-o", path("read.dat")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(said(msg::kReadSucceeded)));
    EXPECT_EQ(readBytes(path("read.dat")), openedAndSaved(radios));
    ASSERT_EQ(backups().size(), 1);
    EXPECT_TRUE(backups().first().endsWith("_band3.dat")) << backups().first().toStdString();
    const QString backup = QDir(backupFolder()).filePath(backups().first());
    EXPECT_TRUE(r.out.contains(said(backup_text::kSaved).arg(backup))) << r.out.toStdString();
    EXPECT_EQ(readBytes(backup), radios);

    const CliRun raw = cli({"read", "--port", device(), "--raw", "--no-backup", "-o", path("raw.dat")});
    ASSERT_EQ(raw.code, 0) << raw.err.toStdString();
    EXPECT_EQ(readBytes(path("raw.dat")), radios);
    EXPECT_EQ(backups().size(), 1);

    writeBytes(path("blocked"), {});  // a file where the folder should be
    qputenv("ZRT410_BACKUP_DIR", path("blocked").toUtf8());
    const CliRun blocked = cli({"read", "--port", device(), "-o", path("still.dat")});
    EXPECT_EQ(blocked.code, 0);
    EXPECT_TRUE(blocked.err.startsWith(said(backup_text::kFailed).section("%1", 0, 0)))
        << blocked.err.toStdString();
    EXPECT_EQ(blocked.err.count('\n'), 1);
    EXPECT_TRUE(blocked.out.contains(said(cli::kSaved).arg(path("still.dat"))));
    EXPECT_EQ(readBytes(path("still.dat")), readBytes(path("read.dat")));
}

// write sends the program's encode of a file, write --raw a backup that read --raw made as it is, also the
// bytes the encode would change (0x680.., 0x710.., 0x792..0x79F); both make the band check (a raw file's
// band is its band byte), take --force-band, --calibration and --verify, and leave every byte no block
// carries as the radio had it.
TEST_F(Cli, WriteAndRawWriteSendTheirBytesWithEveryCheck) {
    const QString ok = said(msg::kWriteSucceeded), refused = said(msg::kBandRefused);
    const QString checked190 = said(cli::kVerifyPassed).arg(190),
                  checked188 = said(cli::kVerifyPassed).arg(188);
    const QString forceZh = said(msg::kForceBandQuestion, kChinese),
                  okZh = said(msg::kWriteSucceeded, kChinese);
    const QString dropped = said(cli::kBlockDiffers).arg("120", "12").section(" (", 0, 0),
                  failed = said(cli::kVerifyFailed).arg(1).arg(188);
    struct Case {
        std::uint8_t fileBand;  // the band list position of the file, or a raw file's band byte
        sim::RadioBehaviour radio;
        QStringList options;
        int code;
        QStringList said;  // each somewhere in what the command printed
    };
    const Case cases[] = {
        {0, {}, {"--calibration", "--verify"}, 0, {ok, checked190}},
        {0, {}, {}, 0, {ok}},
        {0, {.bandCode = 2}, {}, 1, {refused}},
        {0, {.bandCode = 2}, {"--force-band", "--lang", "zh"}, 0, {forceZh, okZh}},
        {2, {.bandCode = 2}, {}, 0, {ok}},  // the file's band is the selected band
        {0, {.dropBlock = 0x120}, {"--verify"}, 1, {dropped, failed}},
        {2, {.bandCode = 2}, {"--raw", "--calibration", "--verify"}, 0, {checked190}},
        {7, {}, {"--raw"}, 0, {ok}},  // a band byte past the list is band 0
        {1, {.bandCode = 3}, {"--raw"}, 1, {refused}},
        {1, {.bandCode = 3}, {"--raw", "--force-band", "--verify"}, 0, {checked188}},
    };
    unsigned seed = 30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString() + " band " + std::to_string(c.radio.bandCode));
        const bool raw = c.options.contains("--raw");
        sim::RadioProtocol::Memory backup, changed;
        fillPattern(backup, ++seed);
        fillPattern(changed, ++seed);
        backup[addr::kBand] = c.fileBand;
        sim::VirtualRadio& radio = startRadio(c.radio, {}, backup);
        Bytes expected;
        QStringList args{"write", "--port", device(), path("file.dat")};
        if (raw) {
            const CliRun read = cli({"read", "--raw", "--port", device(), "-o", path("file.dat")});
            ASSERT_EQ(read.code, 0) << read.err.toStdString();
            expected = readBytes(path("file.dat"));
        } else {
            writeBytes(path("file.dat"), knownDataFile(c.fileBand));
            expected = openedAndSaved(knownDataFile(c.fileBand));
        }
        radio.setMemory(changed);
        const CliRun write = cli(args << c.options);
        EXPECT_EQ(write.code, c.code) << write.err.toStdString();
        for (const QString& text : c.said)
            EXPECT_TRUE((write.out + write.err).contains(text))
                << text.toStdString() << " in " << (write.out + write.err).toStdString();

        const auto memory = radio.memory();
        if (c.radio.dropBlock >= 0) continue;
        if (c.code != 0) {
            EXPECT_EQ(memory, changed);
            continue;
        }
        std::vector<bool> written(memory.size(), false);
        for (std::size_t block : writtenBlocks(c.options.contains("--calibration")))
            for (std::size_t k = 0; k < 16 && block + k < memory.size(); ++k)
                written[block + k] = true;
        for (std::size_t i = 0; i < memory.size(); ++i)
            ASSERT_EQ(memory[i], written[i] ? expected[datafile::kHeaderSize + i] : changed[i]) << i;
    }

    Bytes other = dataFileOf(noise(datafile::kImageBytes, 3));
    std::copy_n("QMX274", 6, other.begin());
    writeBytes(path("other.dat"), other);
    const CliRun wrongType = cli({"write", "--raw", "--port", device(), path("other.dat")});
    EXPECT_EQ(wrongType.code, 1);
    EXPECT_EQ(wrongType.err.trimmed(), said(msg::kFileTypeIncorrect));
}

// Ctrl+C or a termination request in the middle of a transfer: the radio is told to leave programming mode,
// the port is let go (the next command can use it), nothing is saved, and the status says which signal.
TEST_F(Cli, AnInterruptedTransferEndsTheRadiosProgrammingMode) {
    const QString stopped = said(cli::kInterrupted), partly = said(cli::kPartlyWritten);
    const QString stoppedZh = said(cli::kInterrupted, kChinese),
                  partlyZh = said(cli::kPartlyWritten, kChinese);
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
        sim::VirtualRadio& radio =
            startRadio({}, {.splitReplies = true, .splitGapMicros = c.write ? 20000 : 200});
        QStringList args =
            c.write ? QStringList{"write", path("known.dat")} : QStringList{"read", "-o", path("never.dat")};
        args << "--port" << device() << c.extra;

        QProcess p;
        p.start(cliPath(), args);
        ASSERT_TRUE(p.waitForStarted());
        using Kind = sim::ReceivedFrame::Kind;
        const auto blockFrames = [&] { return framesOf(radio, Kind::Read) + framesOf(radio, Kind::Write); };
        ASSERT_TRUE(settle([&] { return blockFrames() >= 5; }, 30000));
        ASSERT_TRUE(radio.programming());
        ::kill(static_cast<pid_t>(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(30000));

        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 128 + c.signal);
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).trimmed().split('\n'), c.said);
        EXPECT_LT(blockFrames(), 190);  // stopped in the middle
        EXPECT_TRUE(settle([&] { return !radio.programming(); }, 30000));
        EXPECT_EQ(radio.frames().back().kind, Kind::End);
        EXPECT_FALSE(QFile::exists(path("never.dat")));
    }
    // The line was left clean: the last radio can be read at once.
    const CliRun again = cli({"read", "--port", device(), "-o", path("after.dat")});
    EXPECT_EQ(again.code, 0) << again.err.toStdString();
}

// A silent radio, a pulled cable and a port that does not open each end the command with their message.
TEST_F(Cli, ATransferThatCannotCompleteSaysWhy) {
    writeBytes(path("known.dat"), knownDataFile(0));
    struct Case {
        const char* name;
        sim::RadioBehaviour radio;
        sim::LineFaults line;
        QStringList args;
        QString err;
    };
    const QString noSuchTty = path("no-such-tty");
    const Case cases[] = {
        {"silent, in Chinese",
         {.silentAfter = 0},
         {},
         {"read", "-o", path("never.dat"), "--lang", "zh"},
         said(msg::kCommunicationError, kChinese)},
        {"cable pulled",
         {},
         {.closeAfter = 40},
         {"write", path("known.dat")},
         said(msg::kCommunicationError)},
        {"no such port",
         {},
         {},
         {"read", "--port", noSuchTty, "-o", path("never.dat")},
         said(msg::kPortErrorPrefix) + noSuchTty + said(msg::kPortErrorSuffix)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRadio(c.radio, c.line);
        const CliRun r =
            cli(c.args.contains("--port") ? c.args : QStringList(c.args) << "--port" << device());
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.trimmed().startsWith(c.err)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("never.dat")));
    }
}

}  // namespace
}  // namespace zrt
