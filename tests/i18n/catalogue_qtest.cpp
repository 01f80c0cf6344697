// The English catalogue is complete: every text the sources mark for
// translation has a finished English entry that keeps the placeholders and the
// formula notation; the wording of every engine message is, in Russian, the
// engine's own text.
#include "eqedit/evaluatorwording.h"
#include "platform/enginemessages.h"
#include "platform/problemreport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
struct Entry {
    QString translation;
    QString type;   // "unfinished", "obsolete", "vanished"; empty when finished
};
using Catalogue = QMap<QPair<QString, QString>, Entry>;   // (context, source) -> entry

Catalogue readCatalogue(const QString& path, QString* error)
{
    Catalogue c;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return c;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            c.insert({context, source}, {xml.readElementText(), type});
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return c;
}

const QString kSourceDir = QStringLiteral(VEKTUM_SOURCE_DIR);
const QString kCommitted = kSourceDir + QStringLiteral("/translations/vektum_en.ts");

// Placeholders and the notation's markers: subscript !..@, superscript #,
// Greek ~x.
QStringList notation(const QString& text)
{
    QStringList found;
    static const QRegularExpression marks(QStringLiteral("%\\d|![A-Za-z0-9]+@?|#|~[a-zA-Z]"));
    auto it = marks.globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

bool hasCyrillic(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x400 && c.unicode() <= 0x4FF)
            return true;
    return false;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void everyEntryFinished()
    {
        QString error;
        const Catalogue committed = readCatalogue(kCommitted, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(committed.size() > 250);
        for (auto it = committed.cbegin(); it != committed.cend(); ++it) {
            const QString where = it.key().first + QStringLiteral(": ") + it.key().second;
            QVERIFY2(it->type.isEmpty(), qPrintable(it->type + QStringLiteral(" entry ") + where));
            QVERIFY2(!it->translation.trimmed().isEmpty(), qPrintable(QStringLiteral("empty ") + where));
            QVERIFY2(!hasCyrillic(it->translation), qPrintable(QStringLiteral("Russian left in ") + where));
            QCOMPARE(notation(it->translation), notation(it.key().second));
        }
    }

    // lupdate over today's sources finds exactly the committed entries: a text
    // added without running the update target, or one left behind after its
    // source changed, fails here.
    void catalogueMatchesSources()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString fresh = scratch.filePath(QStringLiteral("fresh_en.ts"));
        QProcess lupdate;
        lupdate.setWorkingDirectory(kSourceDir);
        QStringList args{QStringLiteral("platform"), QStringLiteral("drawing"), QStringLiteral("eqedit"),
                         QStringLiteral("exercises"), QStringLiteral("reference"), QStringLiteral("solver/forms"),
                         QStringLiteral("shell"), QStringLiteral("app"), QStringLiteral("-locations"),
                         QStringLiteral("none"), QStringLiteral("-source-language"), QStringLiteral("ru_RU"),
                         QStringLiteral("-target-language"), QStringLiteral("en"), QStringLiteral("-ts"), fresh};
        lupdate.start(QStringLiteral(VEKTUM_LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        QString error;
        const Catalogue found = readCatalogue(fresh, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const Catalogue committed = readCatalogue(kCommitted, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            QVERIFY2(committed.contains(it.key()), qPrintable(QStringLiteral("not in vektum_en.ts: ")
                                                              + it.key().first + QStringLiteral(": ")
                                                              + it.key().second));
        for (auto it = committed.cbegin(); it != committed.cend(); ++it)
            QVERIFY2(found.contains(it.key()), qPrintable(QStringLiteral("no longer in the sources: ")
                                                          + it.key().first + QStringLiteral(": ")
                                                          + it.key().second));
    }

    // In Russian, the wording of every code is the engine's own message, the
    // argument in its place: what the program shows and what the engines give
    // to their callers stay the same text.
    void russianWordingIsTheEnginesText()
    {
        const std::string formulaArgument = "R!B@";
        for (int code = 0; code < kFormulaMessageCount; ++code) {
            const auto message = static_cast<FormulaMessage>(code);
            const std::vector<std::string> args(std::size_t(formulaMessageArity(message)), formulaArgument);
            QCOMPARE(translatedMessage(message, args), QString::fromStdString(formulaMessageText(message, args)));
        }
        const EvaluatorMessage cause(EvaluatorMessageId::UnknownFunction, {QStringLiteral("FOO")});
        for (int code = 0; code < kEvaluatorMessageCount; ++code) {
            const auto id = static_cast<EvaluatorMessageId>(code);
            const EvaluatorMessage message = id == EvaluatorMessageId::ComparisonFailed
                                                 ? EvaluatorMessage(id, cause)
                                                 : EvaluatorMessage(id, {QStringLiteral("-2")});
            QCOMPARE(translatedMessage(message), message.text());
        }
        // The problem check's reports, with an engine's message in the last place.
        for (int code = 0; code < kProblemMessageCount; ++code) {
            ProblemDiagnostic d = problemDiagnostic(1, 1, static_cast<ProblemMessage>(code));
            d.args.assign(std::size_t(problemMessageArity(d.message)), formulaArgument);
            QCOMPARE(translatedProblemMessage(d), QString::fromStdString(diagnosticText(d)));
            QCOMPARE(translatedProblemMessage(d, Language::Russian), QString::fromStdString(diagnosticText(d)));
            if (d.args.empty())
                continue;
            d.args.pop_back();
            d.engine = FormulaMessage::NoSuchVariable;
            d.engineArgs = {formulaArgument};
            QCOMPARE(translatedProblemMessage(d), QString::fromStdString(diagnosticText(d)));
        }
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "catalogue_qtest.moc"
