#include "history/history_writer.h"

#include <QJsonArray>
#include <QSysInfo>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "history/event_text.h"
#include "history/event_time.h"
#include "history/history_file.h"
#include "store/code_page.h"
#include "store/record_format.h"
#include "store/posix_file.h"
#include "store/record_delete.h"

namespace {

QString UserName()
{
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[1024];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return QString::fromLocal8Bit(found->pw_name);
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QString::number(::geteuid()) : user;
}

using ChainLink = HistoryWriter::ChainLink;

long long LineCount(const std::string& historyFile)
{
    const auto lines = ReadHistoryLines(historyFile);
    return lines ? static_cast<long long>(lines->size()) : 0;
}

std::optional<ChainLink> NextLink(const std::string& historyFile)
{
    const std::optional<HistoryTail> tail = ReadHistoryTail(historyFile);
    if (!tail)
        return std::nullopt;
    ChainLink link;
    link.historySize = tail->size;
    if (!tail->exists || (tail->lastLine.empty() && tail->endsWithLineEnd))
        return link;
    link.prevSha = Sha256Hex(tail->lastLine);
    link.needsLineEnd = !tail->endsWithLineEnd;
    const QJsonObject last = ParseEvent(tail->lastLine);
    const qint64 seq = last.value(history_field::Seq).toInteger(0);
    if (seq > 0 && tail->endsWithLineEnd) {
        link.seq = seq + 1;
        return link;
    }
    link.seq = LineCount(historyFile) + 1;
    link.breakText = tail->endsWithLineEnd ? QStringLiteral("line %1 is not an event of this history").arg(link.seq - 1)
                                           : QStringLiteral("line %1 ends without a line end").arg(link.seq - 1);
    return link;
}

// The hash and the record count of a file, streamed once to its true end
// through a buffer of fixed size; no value when it cannot be read.
struct FileLook {
    MarkedHash hash{{}};
    long long records = 0;
};

std::optional<FileLook> LookAt(const std::string& fileName)
{
    constexpr std::size_t kPiece = std::size_t(1) << 18;
    // The length asked afresh first: a share reads no further than the
    // length it knows.
    const UniqueFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    off_t size = 0;
    if (!fd || !FreshSize(fd.Get(), size))
        return std::nullopt;
    FileLook look;
    MarkerLineCounter counter;
    std::string piece(kPiece, '\0');
    for (;;) {
        const ssize_t got = ::read(fd.Get(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        const std::string_view bytes(piece.data(), static_cast<std::size_t>(got));
        look.hash.Append(bytes);
        counter.Add(bytes);
    }
    look.records = counter.Count();
    return look;
}

// The keys of an append's event in the order AppendEventText gives them.
const std::vector<std::string>& AppendKeys()
{
    using namespace history_field;
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> bytes;
        for (const QString& field : {Operation, ShaBefore, ShaAfter, PrevSha, Record, Text, Equation, ExcludedPoints, Seq,
                                     Time, User, Host, Program, Break})
            bytes.push_back(field.toStdString());
        return bytes;
    }();
    return keys;
}

long long Nanoseconds(const timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

}  // namespace

HistoryWriter::HistoryWriter(QString programName)
    : program_{{QStringLiteral("name"), programName}, {QStringLiteral("version"), QStringLiteral(TOLVAZEN_VERSION)}},
      user_(UserName()),
      host_(QSysInfo::machineHostName())
{
    const std::optional<std::string> name = json_text::String(programName);
    const std::optional<std::string> version = json_text::String(QStringLiteral(TOLVAZEN_VERSION));
    userText_ = json_text::String(user_);
    hostText_ = json_text::String(host_);
    if (name && version)
        programText_ = json_text::Object({{"name", *name}, {"version", *version}});
}

void HistoryWriter::SetAppendDetails(QString equation, std::vector<ExcludedPoint> excluded)
{
    equation_ = std::move(equation);
    excluded_ = std::move(excluded);
}

void HistoryWriter::Write(const std::string& dataFileName, QJsonObject event, bool flush)
{
    WriteLine(dataFileName, HistoryFileName(dataFileName),
              [&](const ChainLink& link, const QString& time) { return EventLine(Chained(event, link, time)); }, flush);
}

QJsonObject HistoryWriter::Chained(QJsonObject event, const ChainLink& link, const QString& time) const
{
    event.insert(history_field::Seq, static_cast<qint64>(link.seq));
    event.insert(history_field::Time, time);
    event.insert(history_field::User, user_);
    event.insert(history_field::Host, host_);
    event.insert(history_field::Program, program_);
    event.insert(history_field::PrevSha, QString::fromStdString(link.prevSha));
    if (!link.breakText.isEmpty())
        event.insert(history_field::Break, link.breakText);
    return event;
}

void HistoryWriter::WriteLine(const std::string& dataFileName, const std::string& historyFile,
                              const EventLineOf& eventLineOf, bool flush)
{
    // On a local disk the history opened for the event is the one of this
    // writer's last event, of its length, or the tail is read.
    const std::optional<WrittenHistory> last = std::move(written_);
    written_.reset();
    const bool same = last && last->file == historyFile;
    UniqueFd asLeft = same && last->local ? OpenLocalHistory(historyFile, *last->local, last->size) : UniqueFd();
    const bool asWritten = asLeft || (same && !last->local && HistorySize(historyFile) == last->size);
    const std::optional<ChainLink> link =
        asWritten ? ChainLink{last->seq + 1, last->lineSha, {}, false, last->size} : NextLink(historyFile);
    if (!link)
        throw HistoryNotWritten(historyFile);
    const std::string eventLine = eventLineOf(*link, EventTimeNow());
    const std::string line = (link->needsLineEnd ? "\n" : "") + eventLine + "\n";
    const bool local = static_cast<bool>(asLeft);
    if (local ? !AppendToLocalHistory(std::move(asLeft), link->historySize, line, flush)
              : !AppendToHistory(historyFile, dataFileName, line, flush))
        throw HistoryNotWritten(historyFile);
    const off_t size = link->historySize + static_cast<off_t>(line.size());
    written_ = WrittenHistory{historyFile, size, link->seq, Sha256Hex(eventLine),
                              local ? last->local : LocalHistory(historyFile, size)};
}

bool HistoryWriter::SeenAsIs(const std::string& dataFileName, std::string_view bytes) const
{
    const std::string historyFile = HistoryFileName(dataFileName);
    return Seen(dataFileName, historyFile, IdentityOf(dataFileName, historyFile)) && seen_->hash.Size() == bytes.size();
}

void HistoryWriter::RecordDelete(const std::string& dataFileName, std::string_view before, long long n,
                                 std::size_t begin, std::size_t end)
{
    changing_.reset();
    const bool seen = SeenAsIs(dataFileName, before);
    const MarkedHash old = seen ? seen_->hash : MarkedHash({before});
    ChangedFile after{old.Changed({before.substr(0, begin), before.substr(end)}, begin), std::nullopt};
    // Past the first line the record's own marker line is the only one that
    // goes.
    if (seen && seen_->records && n > 0 && begin > 0)
        after.records = *seen_->records - 1;
    seen_.reset();
    Write(dataFileName, RecordEvent(history_operation::Delete, old.Hex(), after.hash.Hex(), n, before.substr(begin, end - begin)));
    changing_ = std::move(after);
}

void HistoryWriter::RecordEditorSave(const std::string& dataFileName, const std::string* before, std::string_view after)
{
    changing_.reset();
    const std::string_view old = before ? std::string_view(*before) : std::string_view();
    const LineDiff diff = DiffLines(old, after);
    if (!RebuildsOld(after, DiffFromJson(DiffJson(diff)), old))
        throw HistoryNotWritten(HistoryFileName(dataFileName));
    std::optional<MarkedHash> oldHash;
    if (before)
        oldHash = SeenAsIs(dataFileName, old) ? seen_->hash : MarkedHash({old});
    ChangedFile changed{oldHash ? oldHash->Changed({after}, CommonPrefix(old, after)) : MarkedHash({after}),
                        std::nullopt};
    seen_.reset();
    QJsonObject event = NewEvent(history_operation::EditorSave, oldHash ? oldHash->Hex() : std::string(), changed.hash.Hex());
    event.insert(history_field::Diff, DiffJson(diff));
    try {
        Write(dataFileName, event);
    } catch (const HistoryNotWritten&) {
        if (before)
            throw;
        // A save that creates the file loses nothing: it goes ahead (and
        // fails on the file itself where the history could not be made).
    }
    changing_ = std::move(changed);
}

void HistoryWriter::FileChanged(const std::string& dataFileName)
{
    const std::optional<FileIdentity> identity = IdentityOf(dataFileName, HistoryFileName(dataFileName));
    if (changing_ && identity && static_cast<off_t>(changing_->hash.Size()) == identity->size)
        seen_ = SeenFile{dataFileName, *identity, std::move(changing_->hash), changing_->records};
    changing_.reset();
}

bool HistoryWriter::FileIdentity::operator==(const FileIdentity& other) const
{
    return device == other.device && inode == other.inode && size == other.size && modified == other.modified &&
           changed == other.changed;
}

std::optional<HistoryWriter::FileIdentity> HistoryWriter::IdentityOf(const std::string& fileName, bool local)
{
    struct stat info {};
    off_t size = 0;
    if (local) {
        if (::stat(fileName.c_str(), &info) != 0)
            return std::nullopt;
        size = info.st_size;
    } else {
        // The length is the share's own, not a cached one, asked before the
        // other fields, which that asking brings up to date too.
        const UniqueFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd || !FreshSize(fd.Get(), size) || ::fstat(fd.Get(), &info) != 0)
            return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino, size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)};
}

std::optional<HistoryWriter::FileIdentity> HistoryWriter::IdentityOf(const std::string& dataFileName,
                                                                     const std::string& historyFile) const
{
    return IdentityOf(dataFileName, written_ && written_->file == historyFile && written_->local);
}

bool HistoryWriter::HistoryAsWritten(const std::string& historyFile) const
{
    if (!written_ || written_->file != historyFile)
        return false;
    return written_->local ? StillLocalHistory(historyFile, *written_->local, written_->size)
                           : HistorySize(historyFile) == written_->size;
}

bool HistoryWriter::Seen(const std::string& dataFileName, const std::string& historyFile,
                         const std::optional<FileIdentity>& identity) const
{
    return seen_ && identity && seen_->name == dataFileName && seen_->identity == *identity &&
           HistoryAsWritten(historyFile);
}

void HistoryWriter::See(const std::string& dataFileName, const std::string& historyFile)
{
    // The file is streamed without a copy of it in memory; it is the one
    // seen when it is of its length then and kept its identity meanwhile.
    seen_.reset();
    const std::optional<FileIdentity> identity = IdentityOf(dataFileName, historyFile);
    std::optional<FileLook> look = identity ? LookAt(dataFileName) : std::nullopt;
    if (!look || static_cast<off_t>(look->hash.Size()) != identity->size ||
        !(IdentityOf(dataFileName, historyFile) == identity))
        return;
    seen_ = SeenFile{dataFileName, *identity, std::move(look->hash), look->records};
}

void HistoryWriter::PrepareAppend(const std::string& dataFileName)
{
    changing_.reset();
    // The history is named once for the append, while its lock is held.
    appending_ = {dataFileName, HistoryFileName(dataFileName)};
    const std::string& historyFile = appending_.second;
    if (!Seen(dataFileName, historyFile, IdentityOf(dataFileName, historyFile)) || !seen_->records)
        See(dataFileName, historyFile);
    shaBeforeAppend_ = seen_ ? seen_->hash.Hex() : std::string();
}

void HistoryWriter::RecordAppend(const std::string& dataFileName, std::string_view record)
{
    const std::string historyFile =
        appending_.first == dataFileName ? std::move(appending_.second) : HistoryFileName(dataFileName);
    appending_ = {};
    const std::optional<FileIdentity> identity = IdentityOf(dataFileName, historyFile);
    if (seen_ && seen_->records && identity &&
        identity->size == seen_->identity.size + static_cast<off_t>(record.size())) {
        seen_->hash.Append(record);
        *seen_->records += RecordCount(record);
        seen_->identity = *identity;
    } else {
        See(dataFileName, historyFile);
    }
    const std::string shaAfter = seen_ ? seen_->hash.Hex() : std::string();
    const long long n = seen_ ? seen_->records.value_or(0) : 0;
    const std::string text = Cp1251ToUtf8(record);
    // The record is on the disk already; its event is flushed with the next
    // event that must be (a delete's, an editor save's) before that changes
    // the data file.
    WriteLine(
        dataFileName, historyFile,
        [&](const ChainLink& link, const QString& time) {
            if (std::optional<std::string> line = AppendEventText(link, time, shaAfter, n, text))
                return std::move(*line);
            QJsonObject event = RecordEvent(history_operation::Append, shaBeforeAppend_, shaAfter, n, record);
            event.insert(history_field::Equation, equation_);
            event.insert(history_field::ExcludedPoints, ExcludedPointsJson(excluded_));
            return EventLine(Chained(event, link, time));
        },
        false);
}

std::optional<std::string> HistoryWriter::AppendEventText(const ChainLink& link, const QString& time,
                                                          const std::string& shaAfter, long long n,
                                                          const std::string& textUtf8) const
{
    std::vector<std::string> points;
    for (const ExcludedPoint& point : excluded_) {
        const std::optional<std::string> x = json_text::Double(point.x);
        const std::optional<std::string> y = json_text::Double(point.y);
        if (!x || !y)
            return std::nullopt;
        points.push_back(json_text::Object(
            {{"number", json_text::Integer(point.number)}, {"x", *x}, {"y", *y}}));
    }
    std::optional<std::string> timeText = json_text::String(time);
    std::optional<std::string> equation = json_text::String(equation_);
    std::optional<std::string> breakText = json_text::String(link.breakText);
    if (!timeText || !equation || !breakText || !userText_ || !hostText_ || !programText_)
        return std::nullopt;
    // The hashes are lower-case hex (or empty), which needs no escape.
    const std::vector<std::string>& key = AppendKeys();
    std::vector<std::pair<std::string_view, std::string>> members{
        {key[0], *json_text::String(history_operation::Append)},
        {key[1], '"' + shaBeforeAppend_ + '"'},
        {key[2], '"' + shaAfter + '"'},
        {key[3], '"' + link.prevSha + '"'},
        {key[4], json_text::Integer(n)},
        {key[5], json_text::Utf8String(textUtf8)},
        {key[6], std::move(*equation)},
        {key[7], json_text::Array(points)},
        {key[8], json_text::Integer(link.seq)},
        {key[9], std::move(*timeText)},
        {key[10], *userText_},
        {key[11], *hostText_},
        {key[12], *programText_}};
    if (!link.breakText.isEmpty())
        members.emplace_back(key[13], std::move(*breakText));
    return json_text::Object(std::move(members));
}
