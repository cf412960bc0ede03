#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>

#include "../core/filebytes.h"
#include "../core/testhistory.h"

namespace pirumo {
namespace {

struct ProcessResult {
    int status = -1;
    QString out;
    QString err;
};

ProcessResult Execute(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << program.toStdString() << " did not run";
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ProcessResult Cli(const QStringList& arguments, const QProcessEnvironment& environment =
                                                    QProcessEnvironment::systemEnvironment()) {
    return Execute(QString::fromUtf8(PIRUMO_CLI_PATH), arguments, environment);
}

// As on a server: no display and no platform chosen.
QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QString::fromUtf8(name));
    }
    return environment;
}

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Radicals (U+2E80..U+2FDF) as the ideographs they look like.
QString WithoutRadicals(QString text) {
    for (QChar& c : text) {
        if (c.unicode() >= 0x2e80 && c.unicode() <= 0x2fdf) {
            c = QString(c).normalized(QString::NormalizationForm_KC).front();
        }
    }
    return text;
}

// The PDF read back through poppler-utils. The embedded font's text map names some ideographs
// by their radical look-alikes (⽇ for 日), so these are mapped back.
class PdfFile {
public:
    explicit PdfFile(QString path) : mPath(std::move(path)) {}

    int PageCount() const { return Info(QStringLiteral("Pages")).toInt(); }
    QString PageSize() const { return Info(QStringLiteral("Page size")); }
    QString PageText(int page) const {
        const QString n = QString::number(page);
        const QString text = Execute(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), QStringLiteral("-f"), n,
                                      QStringLiteral("-l"), n, mPath, QStringLiteral("-")})
                                 .out;
        return WithoutRadicals(text);
    }
    QString Fonts() const { return Execute(QStringLiteral("pdffonts"), {mPath}).out; }

private:
    QString Info(const QString& key) const {
        const QString info = Execute(QStringLiteral("pdfinfo"), {mPath}).out;
        const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                      QRegularExpression::MultilineOption);
        return line.match(info).captured(1).trimmed();
    }

    QString mPath;
};

class PdfOutput : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Execute(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}).status, 0)
            << "poppler-utils missing: run scripts/install-deps";
    }
    // A sample history of `draws` draws (no dates).
    QString SampleHistory(int draws) {
        const QString db = Path(mFolder.Path() / "sample.mdb");
        EXPECT_EQ(Cli({QStringLiteral("--db"), db, QStringLiteral("sample"),
                       QStringLiteral("--draws"), QString::number(draws)})
                      .status,
                  0);
        return db;
    }
    QString Out(const char* name) const { return Path(mFolder.Path() / name); }

    test::TempFolder mFolder;
};

TEST_F(PdfOutput, LongAnalysisHasItsHeadingTitleBandAndPageNumberOnEveryPage) {
    const QString db = SampleHistory(300);
    const QString pdf = Out("count.pdf");
    // Without a runtime folder Qt notes so in English; the command line keeps that to itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    // A day before every draw: the history counts as current, so nothing is noted.
    environment.insert(QStringLiteral("PIRUMO_TODAY"), QStringLiteral("1990/01/01"));
    const ProcessResult run =
        Cli({QStringLiteral("--db"), db, QStringLiteral("show"), QStringLiteral("出現回数分析"),
             QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--out"), pdf},
            environment);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    const PdfFile file(pdf);
    const int pages = file.PageCount();
    ASSERT_GE(pages, 4);
    EXPECT_TRUE(file.PageSize().contains(QStringLiteral("595 x 842"))) << "portrait A4";
    int lastDrawRowsSeen = 0;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const QString text = file.PageText(page);
        EXPECT_TRUE(text.contains(QStringLiteral("出現回数分析")));
        EXPECT_TRUE(text.contains(QStringLiteral("第1回〜第300回")));
        EXPECT_TRUE(text.contains(QStringLiteral("印刷日")));
        EXPECT_TRUE(text.contains(QStringLiteral("前回までの出現回数合計(回)")));
        EXPECT_TRUE(text.contains(QStringLiteral("第1数字")));
        EXPECT_TRUE(text.contains(
            QRegularExpression(QStringLiteral("%1\\s*/\\s*%2").arg(page).arg(pages))));
        lastDrawRowsSeen += text.contains(QRegularExpression(QStringLiteral("(^|\\n)\\s*300\\s")));
    }
    EXPECT_EQ(lastDrawRowsSeen, 1);
    EXPECT_TRUE(file.PageText(pages).contains(QRegularExpression(QStringLiteral("\\n\\s*300\\s"))));
    EXPECT_TRUE(
        file.PageText(1).contains(QStringLiteral("過去の当選数字が何回出現したか分析します")));

    const QString fonts = file.Fonts();
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("NotoSansCJKjp-Regular.* yes "))))
        << fonts.toStdString();
}

TEST_F(PdfOutput, GridWiderThanThePageGoesLandscapeAndRepeatsTheNumberColumn) {
    const QString db = SampleHistory(300);
    const QString pdf = Out("frequency.pdf");
    const ProcessResult run =
        Cli({QStringLiteral("--db"), db, QStringLiteral("show"), QStringLiteral("出現頻度分析"),
             QStringLiteral("--format=pdf"), QStringLiteral("--out"), pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const PdfFile file(pdf);
    EXPECT_TRUE(file.PageSize().contains(QStringLiteral("842 x 595"))) << "landscape A4";
    QString all;
    for (int page = 1; page <= file.PageCount(); ++page) {
        all += file.PageText(page);
    }
    // Column 1 (数字) opens every column band.
    EXPECT_GE(all.count(QStringLiteral("数字")), 2);
    // The command line's pages explain the marks as the window's printout does.
    EXPECT_TRUE(file.PageText(1).contains(QStringLiteral("：ボーナス数字")));
}

TEST_F(PdfOutput, PredictionNamesTheNextDrawItsDateAndTheEqualChance) {
    const QString csv = Out("history.csv");
    test::WriteFileBytes(mFolder.Path() / "history.csv",
                         "開催回,日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n"
                         "1,2025/09/16,5,8,10,11,29,27\n"
                         "2,2025/09/23,6,11,13,14,18,5\n");
    const QString db = Out("dated.mdb");
    ASSERT_EQ(Cli({QStringLiteral("--db"), db, QStringLiteral("import"), csv}).status, 0);
    const QString pdf = Out("predict.pdf");
    const ProcessResult run =
        Cli({QStringLiteral("--db"), db, QStringLiteral("predict"), QStringLiteral("--ini"),
             Out("none.ini"), QStringLiteral("--format"), QStringLiteral("pdf"),
             QStringLiteral("--out"), pdf},
            WithoutDisplay());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const PdfFile file(pdf);
    EXPECT_EQ(file.PageCount(), 1);
    const QString text = file.PageText(1);
    EXPECT_TRUE(text.contains(QStringLiteral("第3回（2025年9月30日 抽せん予定）の予想")));
    EXPECT_TRUE(text.contains(QStringLiteral("169,911 分の 1")));
    for (const char* label :
         {"●周期法による予想", "●消去法による予想", "●連発ガルポン予想", "●一発ガルポン予想"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(label))) << label;
    }
}

TEST_F(PdfOutput, RealHistoryEndsWithDraw1353AndPredictsDraw1354) {
    const std::filesystem::path csv = test::RealHistoryCsv();
    if (csv.empty()) {
        GTEST_SKIP() << "the real history is not available";
    }
    const QString db = Out("real.mdb");
    ASSERT_EQ(Cli({QStringLiteral("--db"), db, QStringLiteral("import"), Path(csv)}).status, 0);
    const QString count = Out("real-count.pdf");
    ASSERT_EQ(
        Cli({QStringLiteral("--db"), db, QStringLiteral("show"), QStringLiteral("出現回数分析"),
             QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--out"), count})
            .status,
        0);
    const PdfFile file(count);
    ASSERT_GT(file.PageCount(), 10);
    const QString last = file.PageText(file.PageCount());
    // Draw 1353: 6 11 13 14 18, bonus 5, then the counts before it.
    EXPECT_TRUE(last.contains(
        QRegularExpression(QStringLiteral("1353\\s+6\\s+11\\s+13\\s+14\\s+18\\s+5\\s"))))
        << last.toStdString();
    EXPECT_TRUE(last.contains(QStringLiteral("第1回〜第1353回")));

    const QString prediction = Out("real-predict.pdf");
    ASSERT_EQ(Cli({QStringLiteral("--db"), db, QStringLiteral("predict"), QStringLiteral("--ini"),
                   Out("none.ini"), QStringLiteral("--format"), QStringLiteral("pdf"),
                   QStringLiteral("--out"), prediction})
                  .status,
              0);
    EXPECT_TRUE(PdfFile(prediction).PageText(1).contains(QStringLiteral("第1354回")));
}

TEST_F(PdfOutput, PdfNeedsAnOutputFileAndLeavesStandardOutputClean) {
    const QString db = SampleHistory(20);
    for (const QStringList& command :
         {QStringList{QStringLiteral("show"), QStringLiteral("出現回数分析")},
          QStringList{QStringLiteral("predict")}}) {
        const ProcessResult run =
            Cli(QStringList{QStringLiteral("--db"), db} + command +
                QStringList{QStringLiteral("--format"), QStringLiteral("pdf")});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("--out"))) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace pirumo
