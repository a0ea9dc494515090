#include <QCommandLineParser>
#include <QCoreApplication>
#include <charconv>
#include <csignal>
#include <iostream>

#include "history/history_commands.h"

namespace {

constexpr int kUsageError = 2;

std::optional<long long> Number(const QString& text)
{
    const std::string digits = text.toStdString();
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value < 1)
        return std::nullopt;
    return value;
}

CommandOutcome Usage(const std::string& message)
{
    return {kUsageError, {}, "tolvazen-history: " + message + "\nTry 'tolvazen-history --help'.\n"};
}

CommandOutcome Run(const QCommandLineParser& parser, const QCommandLineOption& format, const QCommandLineOption& record)
{
    const QStringList words = parser.positionalArguments();
    const QString command = words.value(0);
    if (command == QLatin1String("list") && words.size() == 2) {
        const QString formatName = parser.value(format);
        if (formatName != QLatin1String("text") && formatName != QLatin1String("json"))
            return Usage("--format: '" + formatName.toStdString() + "' is not text or json");
        std::optional<long long> n;
        if (parser.isSet(record) && !(n = Number(parser.value(record))))
            return Usage("--record: '" + parser.value(record).toStdString() + "' is no record number");
        return ListHistory(words[1].toStdString(), formatName == QLatin1String("json") ? ListFormat::Json : ListFormat::Text,
                           n);
    }
    if (command == QLatin1String("verify") && words.size() == 2)
        return VerifyHistory(words[1].toStdString());
    if (command == QLatin1String("restore") && words.size() == 3) {
        const std::optional<long long> seq = Number(words[1]);
        if (!seq)
            return Usage("'" + words[1].toStdString() + "' is no event number");
        return RestoreEvent(words[2].toStdString(), *seq);
    }
    return Usage("expected list, verify or restore SEQ, and a data file");
}

}  // namespace

int main(int argc, char* argv[])
{
    // A write beyond the file size limit fails like a full disk, and the
    // command says so.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvazen-history"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVAZEN_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists, verifies and restores the history of a Tolvazen data file (NAME.history beside it).\n\n"
        "  list [--format text|json] [--record N] DATAFILE\n"
        "  verify DATAFILE\n"
        "  restore SEQ DATAFILE"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")},
                                    QStringLiteral("list: text or json (default: text)."), QStringLiteral("FORMAT"),
                                    QStringLiteral("text"));
    const QCommandLineOption record({QStringLiteral("r"), QStringLiteral("record")},
                                    QStringLiteral("list: only the events of record N."), QStringLiteral("N"));
    parser.addOptions({format, record});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("list, verify or restore SEQ"));
    parser.addPositionalArgument(QStringLiteral("DATAFILE"), QStringLiteral("the data file"));
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parsed && parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parsed && parser.isSet(version)) {
        std::cout << "tolvazen-history " << TOLVAZEN_VERSION << '\n';
        return 0;
    }
    const CommandOutcome outcome = parsed ? Run(parser, format, record) : Usage(parser.errorText().toStdString());
    std::cout << outcome.out;
    std::cerr << outcome.error;
    return outcome.status;
}
