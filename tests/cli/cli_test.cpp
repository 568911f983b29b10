// The command line as a user runs it: the built zr-t410-cli in a process of its own, beside a virtual
// radio on a pseudo-terminal. What the core already checks (decode and encode, the channel list's rules,
// the link's sequences) is taken as given: these tests check what the command line adds.
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
#include "datafile/data_file.h"
#include "i18n/backup_captions.h"
#include "i18n/channel_csv_texts.h"
#include "image/address_map.h"
#include "image/tone_list.h"
#include "support/cli_process.h"
#include "support/serial_fixture.h"

namespace zrt {
namespace {

using namespace testing_support;
using testing_support::cli;  // the function, not the program's namespace
using Memory = sim::RadioProtocol::Memory;

QString said(const Text& text, int language = kEnglish) {
    return qs(text, language);
}
QString said(const msg::Message& message, int language = kEnglish) {
    return qs(message.text, language);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size()) << path.toStdString();
}
// A data file of another model: the identifier is not this radio's.
void otherModel(const QString& path) {
    writeFile(path, dataFileOf(patterned(3)).replace(0, 6, "QMX274"));
}

// JSON as one line, keys in order.
std::string compact(const QJsonValue& v) {
    const QJsonDocument d = v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject());
    return d.toJson(QJsonDocument::Compact).toStdString();
}

// A configuration as a user builds it in the windows, as the program keeps it.
Memory knownMemory(const char* name65 = "UHF", int beep = 0) {
    Session s;
    s.edit(Change::everything(), [&](Configuration& c) {
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
        commitName(ch, 65, name65);
        c.features[FeatureList::Beep] = beep;
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
    return memoryOf(s.imageOut());
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
    QJsonDocument json(const QStringList& args) const {
        return QJsonDocument::fromJson(cli(args).out.toUtf8());
    }

    sim::VirtualRadio& startRadio(sim::RadioBehaviour behaviour = {}, sim::LineFaults faults = {},
                                  const Memory& memory = {}) {
        return bench_.startRadio(memory, behaviour, faults, false);
    }
    QString device() const { return bench_.device(); }

    QTemporaryDir dir_;
    SerialBench bench_;
};

// ---- Data files ---------------------------------------------------------------------------------------

// Usage errors exit 2, refusals 1 with the program's message in the language asked for, before or after the
// command, and nothing written. resave writes the program's Open and Save; diff exits 0 for the same
// configuration, 1 with the fields that differ in the windows' words, 2 for a file it cannot open; a channel
// list exported and imported gives the same channels, and one with a refused row writes nothing unless told.
TEST_F(Cli, FileCommandsExitStatusAndWhatTheyPrint) {
    otherModel(path("radio.dat"));
    dataFileOf(patterned(9), path("noise.dat"));
    dataFileOf(knownMemory(), path("a.dat"));
    dataFileOf(knownMemory("DX", 1), path("b.dat"));
    Memory erased;
    erased.fill(0xFF);
    dataFileOf(erased, path("blank.dat"));
    writeFile(path("bad.csv"), "Location,Name,Frequency\r\n1,Near,145.5\r\n3,Far,175.5\r\n");
    writeFile(path("other.csv"), "Channel,Frequency\n1,145.5\n");
    const QString typeZh = said(msg::kFileTypeIncorrect, kChinese), type = said(msg::kFileTypeIncorrect);
    const QString missing = said(msg::kFileOpenFailed) + path("missing.dat"), tty = path("no-such-tty");
    const QString unwritable = said(msg::kFileSaveFailed) + path("no/out.dat");
    const QString noPort = said(msg::kPortErrorPrefix) + tty + said(msg::kPortErrorSuffix);
    const QString differences = "Where Field " + path("a.dat") + " " + path("b.dat") +
                                " B1 Channel Name UHF DX Optional Features Beep Off On";
    const QString farOut = "Line 3: Frequency 175.5 MHz: Beyond the scope of frequency band";
    const QStringList import{"import", path("bad.csv"), path("blank.dat"), "-o", path("out.dat")};
    // Arguments, exit status, standard output and how standard error ends, each with its white space
    // simplified (print may have Qt warn about its environment first).
    const std::tuple<QStringList, int, QString, QString> cases[] = {
        {QStringList(), 2, "", ""},
        {{"flash"}, 2, "", ""},
        {{"resave", path("only-one.dat")}, 2, "", ""},
        {{"show", path("x.dat"), "--colour"}, 2, "", ""},
        {{"read", "--port", "/dev/null"}, 2, "", ""},  // no -o
        {{"resave", path("radio.dat"), path("out.dat")}, 1, "", type},
        {{"resave", path("radio.dat"), path("out.dat"), "--lang", "zh"}, 1, "", typeZh},
        {{"--lang=zh", "resave", path("radio.dat"), path("out.dat")}, 1, "", typeZh},
        {{"show", path("missing.dat")}, 1, "", missing},
        {{"write", "--raw", "--port", tty, path("radio.dat")}, 1, "", type},
        {{"read", "--port", tty, "-o", path("out.dat")}, 1, "", noPort},
        {{"print", path("a.dat"), "-o", path("no/out.dat")}, 1, "", unwritable},
        {{"resave", path("noise.dat"), path("resaved-noise.dat")}, 0, "", ""},
        {{"resave", path("a.dat"), path("resaved.dat")}, 0, "", ""},
        {{"diff", path("a.dat"), path("resaved.dat")}, 0, "", ""},
        {{"diff", path("a.dat"), path("b.dat")}, 1, differences, ""},
        {{"diff", path("a.dat"), path("radio.dat")}, 2, "", type},
        {{"export", path("a.dat"), path("list.csv")}, 0, "2 channels exported.", ""},
        {{"import", path("list.csv"), path("blank.dat"), "-o", path("back.dat")},
         0,
         "2 channels imported, 0 emptied, 0 rows refused.",
         ""},
        {import, 1, "1 channels imported, 0 emptied, 1 rows refused.",
         farOut + " " + said(kCsvNothingWritten)},
        {{"import", path("other.csv"), path("a.dat"), "-o", path("out.dat")},
         1,
         "",
         "The file is not a channel list: its first line must start with Location,"},
        {import + QStringList{"--skip-bad", "--lang", "zh"}, 0,
         QString::fromUtf8("已导入 1 个信道，清空 0 个，拒绝 1 行。"),
         QString::fromUtf8("第 3 行：频率 175.5 MHz：超出频段范围")},
    };
    for (const auto& [args, code, out, err] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, code);
        EXPECT_EQ(r.out.simplified(), out);
        // A success without a report says nothing on standard error.
        EXPECT_TRUE(err.isEmpty() ? code != 0 || r.err.isEmpty() : r.err.simplified().endsWith(err))
            << r.err.toStdString();
        EXPECT_EQ(QFile::exists(path("out.dat")), code == 0 && args.contains("--skip-bad"));
    }
    EXPECT_TRUE(cli({}).err.contains("Commands:"));
    for (const char* command : {"read", "write", "resave", "show", "print", "export", "import"}) {
        const CliRun help = cli({command, "--help"});
        EXPECT_TRUE(help.code == 0 && help.out.contains(command)) << command;
    }
    EXPECT_EQ(fileContents(path("resaved-noise.dat")), dataFileOf(asTheProgramKeepsIt(patterned(9))));
    EXPECT_EQ(compact(json({"diff", path("a.dat"), path("resaved.dat"), "--json"}).array()), "[]");
    EXPECT_EQ(
        compact(json({"diff", path("a.dat"), path("b.dat"), "--json"}).array()),
        R"([{"a":"UHF","b":"DX","channel":65,"field":"Channel Name","group":"B","number":1,"place":"B1"},)"
        R"({"a":"Off","b":"On","field":"Beep","place":"Optional Features"}])");
    EXPECT_EQ(json({"show", path("back.dat"), "--json"})["channels"],
              json({"show", path("a.dat"), "--json"})["channels"]);

    // show: JSON in English whatever the language, tables in the windows' words of the language asked for.
    const QJsonObject o = json({"show", path("a.dat"), "--json"}).object();
    EXPECT_EQ(o["band"].toString(), "A:136-174MHz B:400-470MHz");
    EXPECT_EQ(
        compact(o["channels"]),
        R"([{"bandwidth":"wide","busy_lock":"Off","channel":1,"group":"A","name":"RPT1","power":"Low",)"
        R"("rx":"145.12000","rx_tone":"Off","scan":"On","scramble":"Off","tx":"145.72000","tx_tone":"88.5"},)"
        R"({"bandwidth":"wide","busy_lock":"Off","channel":65,"group":"B","name":"UHF","power":"High",)"
        R"("rx":"435.50000","rx_tone":"D023I","scan":"Off","scramble":"Off","tx":"435.50000","tx_tone":"D023I"}])");
    const QJsonObject features = o["features"].toObject();
    EXPECT_EQ(features["vox_delay_time_s"].toString(), "1");
    EXPECT_EQ(features["key_lock_mode"].toString(), "KEY");
    EXPECT_TRUE(features.size() == 34 && !features.contains("companding"));  // hidden in the window
    EXPECT_EQ(o["vfo_a"]["qt_dqt_enc"].toString(), "100.0");
    EXPECT_FALSE(o["vfo_b"].toObject().contains("scramble"));
    EXPECT_EQ(compact(o["fm"]),
              R"({"channels":["88.10","","","","","","","","","","","","","","","","","","","","","",)"
              R"("","","107.90"],"display_mode":"Frequency","start_channel":3,"step":"200K","vfo":"99.50"})");
    EXPECT_EQ(compact(o["calibration"]),
              "[100,101,102,103,104,105,106,107,108,109,110,111,112,113,114,115,116,117]");

    const QString zh = cli({"show", path("a.dat"), "--lang", "zh"}).out;
    for (const char* text : {"频段: A:136-174MHz", "信道编辑", "RPT1", "提示音:", "调试信息"})
        EXPECT_TRUE(zh.contains(QString::fromUtf8(text))) << text;
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

// All 128 channels used, each with its own frequency and name; and a file with none, whose name is wider
// than the page: it wraps, nothing of it is cut.
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
    dataFileOf(memoryOf(s.imageOut()), path("full.dat"));
    const QString blankName = QString(200, u'W') + ".dat";
    Memory erased;
    erased.fill(0xFF);
    dataFileOf(erased, dir_.filePath(blankName));

    // Language, locale, pages of the full file (four on A4, five on US letter) and the headings of the full
    // and the blank file. "已用信道" has a character whose twin among the CJK radicals a CJK font may map to
    // one glyph.
    const std::tuple<const char*, const char*, int, QStringList> cases[] = {
        {"zh", "C", 4, {"接收频率", "B组频段", "已用信道: 64", "没有信道"}},
        {"en", "en_US.UTF-8", 5, {"RX Fre", "Group B", "Used channels: 64", "No channels"}},
    };
    const QByteArray oldLocale = qgetenv("LC_ALL");
    for (const auto& [language, locale, pageCount, headings] : cases) {
        SCOPED_TRACE(locale);
        qputenv("LC_ALL", locale);
        const CliRun full = cli({"print", path("full.dat"), "-o", path("full.pdf"), "--lang", language});
        ASSERT_EQ(full.code, 0) << full.err.toStdString();
        const QStringList pages = pdfPages(path("full.pdf"));
        EXPECT_EQ(pages.size(), pageCount);
        // The trap of the model's name: digits after Latin letters lost in the CJK font.
        EXPECT_TRUE(pages.value(0).contains("ZR-T410") && pages.value(0).contains("full.dat"));
        EXPECT_TRUE(pages.join("").contains(headings[1]) && pages.join("").contains(headings[2]));

        // Every channel on exactly one page, under the column headings of that page.
        for (int n = 1; n <= kChannelCount; ++n) {
            const Channel& channel = s.config().channels[static_cast<std::size_t>(n - 1)];
            QList<int> on;
            for (int k = 0; k < pages.size(); ++k)
                if (pages[k].contains(qs(channel.rxFrequency)) && pages[k].contains(qs(channel.name)))
                    on << k;
            ASSERT_EQ(on.size(), 1) << n;
            EXPECT_TRUE(pages[on[0]].contains(headings[0])) << n;
        }

        ASSERT_EQ(cli({"print", dir_.filePath(blankName), "-o", path("blank.pdf"), "--lang", language}).code,
                  0);
        const QString text = pdfPages(path("blank.pdf")).join("");
        EXPECT_TRUE(text.contains("A:136-174MHz B:400-470MHz") && text.contains(headings[3]));
        EXPECT_TRUE(QString(text).remove(u'\n').contains(blankName));
    }
    qputenv("LC_ALL", oldLocale);
}

// ---- The radio ----------------------------------------------------------------------------------------

// A read saves what the program's Open and Save make of the radio's memory, --raw the bytes as they came;
// every read keeps them in the backups folder and names the backup.
TEST_F(Cli, ReadSavesWhatTheProgramSavesRawKeepsTheRadiosBytesAndEveryReadABackup) {
    Memory m = patterned(21);
    m[addr::kBand] = 3;
    startRadio({}, {}, m);
    const CliRun r = cli({"read", "--port", device(), "-o", path("read.dat")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(said(msg::kReadSucceeded)));
    EXPECT_EQ(fileContents(path("read.dat")), dataFileOf(asTheProgramKeepsIt(m)));
    ASSERT_EQ(backups().size(), 1);
    EXPECT_TRUE(backups().first().endsWith("_band3.dat")) << backups().first().toStdString();
    const QString backup = QDir(backupFolder()).filePath(backups().first());
    EXPECT_TRUE(r.out.contains(said(backup_text::kSaved).arg(backup))) << r.out.toStdString();
    EXPECT_EQ(fileContents(backup), dataFileOf(m));

    const CliRun raw = cli({"read", "--port", device(), "--raw", "--no-backup", "-o", path("raw.dat")});
    ASSERT_EQ(raw.code, 0) << raw.err.toStdString();
    EXPECT_EQ(fileContents(path("raw.dat")), dataFileOf(m));
    EXPECT_EQ(backups().size(), 1);
}

// write sends the program's encode of a file, write --raw a backup that read --raw made as it is, also the
// bytes the encode would change; both make the band check (a raw file's band is its band byte), take
// --force-band, --calibration and --verify, and leave every byte no block carries as the radio had it.
TEST_F(Cli, WriteAndRawWriteSendTheirBytesWithEveryCheck) {
    const QString ok = said(msg::kWriteSucceeded), refused = said(msg::kBandRefused);
    const QString okZh = said(msg::kWriteSucceeded, kChinese),
                  forceZh = said(msg::kForceBandQuestion, kChinese);
    const QString checked = said(cli::kVerifyPassed).arg(190),
                  failed = said(cli::kVerifyFailed).arg(1).arg(188);
    const QString dropped = said(cli::kBlockDiffers).arg("120", "12").section(" (", 0, 0);
    struct Case {
        std::uint8_t fileBand;  // the band list position of the file, or a raw file's band byte
        sim::RadioBehaviour radio;
        QStringList options;
        int code;
        QStringList said;  // each somewhere in what the command printed
    };
    const Case cases[] = {
        {0, {}, {"--calibration", "--verify"}, 0, {ok, checked}},
        {0, {.bandCode = 2}, {}, 1, {refused}},
        {0, {.bandCode = 2}, {"--force-band", "--lang", "zh"}, 0, {forceZh, okZh}},
        {0, {.dropBlock = 0x120}, {"--verify"}, 1, {dropped, failed}},
        {2, {.bandCode = 2}, {"--raw", "--calibration", "--verify"}, 0, {checked}},
        {7, {}, {"--raw"}, 0, {ok}},  // a band byte past the list is band 0
        {1, {.bandCode = 3}, {"--raw"}, 1, {refused}},
    };
    unsigned seed = 30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString() + " band " + std::to_string(c.radio.bandCode));
        Memory backup = patterned(++seed);
        const Memory changed = patterned(++seed);
        backup[addr::kBand] = c.fileBand;
        sim::VirtualRadio& radio = startRadio(c.radio, {}, backup);
        Memory expected = asTheProgramKeepsIt(knownMemory());
        if (c.options.contains("--raw")) {
            const CliRun read = cli({"read", "--raw", "--port", device(), "-o", path("file.dat")});
            ASSERT_EQ(read.code, 0) << read.err.toStdString();
            expected = backup;
        } else {
            dataFileOf(knownMemory(), path("file.dat"));
        }
        radio.setMemory(changed);
        const CliRun write = cli(QStringList{"write", "--port", device(), path("file.dat")} << c.options);
        EXPECT_EQ(write.code, c.code) << write.err.toStdString();
        for (const QString& text : c.said)
            EXPECT_TRUE((write.out + write.err).contains(text))
                << text.toStdString() << " in " << (write.out + write.err).toStdString();
        if (c.radio.dropBlock >= 0) continue;
        const bool calibration = c.options.contains("--calibration");
        EXPECT_TRUE(c.code == 0 ? writtenOver(radio.memory(), expected, changed, calibration)
                                : ::testing::AssertionResult(radio.memory() == changed));
    }
}

// Ctrl+C or a termination request in the middle of a transfer: the radio is told to leave programming mode,
// the port is let go (the next command can use it), nothing is saved, and the status says which signal.
TEST_F(Cli, AnInterruptedTransferEndsTheRadiosProgrammingMode) {
    const QString stopped = said(cli::kInterrupted), partly = said(cli::kPartlyWritten);
    const QString stoppedZh = said(cli::kInterrupted, kChinese),
                  partlyZh = said(cli::kPartlyWritten, kChinese);
    // Write or read, the signal, options, and standard error. The reads come last: the read after the loop
    // needs a radio that answers at a read's pace.
    const std::tuple<bool, int, QStringList, QStringList> cases[] = {
        {true, SIGINT, {"--verify"}, {stopped, partly}},
        {true, SIGINT, {"--raw", "--lang", "zh"}, {stoppedZh, partlyZh}},
        {false, SIGINT, {}, {stopped}},
        {false, SIGTERM, {"--lang", "zh"}, {stoppedZh}},
    };
    dataFileOf(knownMemory(), path("known.dat"));
    for (const auto& [writing, signal, extra, reported] : cases) {
        SCOPED_TRACE(extra.join(' ').toStdString() + (writing ? " write" : " read"));
        // Slow replies keep the transfer going long enough to be interrupted in its middle.
        sim::VirtualRadio& radio =
            startRadio({}, {.splitReplies = true, .splitGapMicros = writing ? 20000 : 200});
        QStringList args =
            writing ? QStringList{"write", path("known.dat")} : QStringList{"read", "-o", path("never.dat")};
        args << "--port" << device() << extra;

        QProcess p;
        p.start(cliPath(), args);
        ASSERT_TRUE(p.waitForStarted());
        using Kind = sim::ReceivedFrame::Kind;
        const auto blockFrames = [&] { return framesOf(radio, Kind::Read) + framesOf(radio, Kind::Write); };
        ASSERT_TRUE(settle([&] { return blockFrames() >= 5; }, 30000));
        ASSERT_TRUE(radio.programming());
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(30000));

        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 128 + signal);
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).trimmed().split('\n'), reported);
        EXPECT_LT(blockFrames(), 190);  // stopped in the middle
        EXPECT_TRUE(settle([&] { return !radio.programming(); }, 30000));
        EXPECT_EQ(radio.frames().back().kind, Kind::End);
        EXPECT_FALSE(QFile::exists(path("never.dat")));
    }
    // The line was left clean: the last radio can be read at once.
    const CliRun again = cli({"read", "--port", device(), "-o", path("after.dat")});
    EXPECT_EQ(again.code, 0) << again.err.toStdString();
}

}  // namespace
}  // namespace zrt
