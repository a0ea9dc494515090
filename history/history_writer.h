#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "history/history_event.h"
#include "history/history_file.h"
#include "history/marked_hash.h"
#include "store/change_journal.h"

// Writes one program's events into the histories of the data files it
// changes, each while the data file's lock is held. Each event is chained to
// the line before it; after a damaged last line (no JSON object, no line
// end) the event starts a new segment and names the break. The data file's
// hash is kept from one event to the next, while no one else changed the
// file: an append then hashes only its own bytes, a delete or an editor save
// only the file from the last MiB mark in front of its change.
class HistoryWriter : public ChangeJournal {
public:
    explicit HistoryWriter(QString programName);

    // What the next append records beside the record: the equation as the
    // window shows it and the points switched out of the fit.
    void SetAppendDetails(QString equation, std::vector<ExcludedPoint> excluded);

    void RecordDelete(const std::string& dataFileName, std::string_view before, long long n, std::size_t begin,
                      std::size_t end) override;
    void RecordEditorSave(const std::string& dataFileName, const std::string* before, std::string_view after) override;
    void FileChanged(const std::string& dataFileName) override;
    void PrepareAppend(const std::string& dataFileName) override;
    void RecordAppend(const std::string& dataFileName, std::string_view record) override;

    // Writes the event with the fields every event has, flushed to the disk
    // unless `flush` is false; the caller holds the data file's lock. Throws
    // HistoryNotWritten.
    void Write(const std::string& dataFileName, QJsonObject event, bool flush = true);

    // Where the next event goes on from: its seq and prev_sha256, and the
    // break it names when the last line is damaged.
    struct ChainLink {
        long long seq = 1;
        std::string prevSha;
        QString breakText;
        bool needsLineEnd = false;
        off_t historySize = 0;
    };

private:
    struct FileIdentity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modified = 0;
        long long changed = 0;
        bool operator==(const FileIdentity& other) const;
    };
    // The file as it was at this writer's last event, and its records where
    // they are known.
    struct SeenFile {
        std::string name;
        FileIdentity identity;
        MarkedHash hash;
        std::optional<long long> records;
    };
    // The file as the change of the last event leaves it, seen once it is
    // in place (FileChanged).
    struct ChangedFile {
        MarkedHash hash;
        std::optional<long long> records;
    };
    // The history as this writer's last event left it: when it is still of
    // that length, no other program wrote an event (nor changed the data
    // file) since.
    struct WrittenHistory {
        std::string file;
        off_t size = 0;
        long long seq = 0;
        std::string lineSha;
        // Where the history (and so the data file beside it) is on a local
        // disk.
        std::optional<LocalHistoryFile> local;
    };
    // A data file's identity; `local` where it is on a local disk, whose
    // file names give the true length and times.
    // The line of an event that goes on from the link, made at the time.
    using EventLineOf = std::function<std::string(const ChainLink&, const QString& time)>;
    void WriteLine(const std::string& dataFileName, const std::string& historyFile, const EventLineOf& eventLineOf,
                   bool flush);
    // The event with the fields every event has.
    QJsonObject Chained(QJsonObject event, const ChainLink& link, const QString& time) const;
    // An append's event line made without a QJsonDocument (no value where
    // the document must make it).
    std::optional<std::string> AppendEventText(const ChainLink& link, const QString& time, const std::string& shaAfter,
                                               long long n, const std::string& textUtf8) const;
    static std::optional<FileIdentity> IdentityOf(const std::string& fileName, bool local);
    // The identity of the data file whose history this is.
    std::optional<FileIdentity> IdentityOf(const std::string& dataFileName, const std::string& historyFile) const;
    bool HistoryAsWritten(const std::string& historyFile) const;
    bool Seen(const std::string& dataFileName, const std::string& historyFile,
              const std::optional<FileIdentity>& identity) const;
    void See(const std::string& dataFileName, const std::string& historyFile);
    // True when the file as it is, `bytes`, is the one seen: no one changed
    // it since this writer's last event.
    bool SeenAsIs(const std::string& dataFileName, std::string_view bytes) const;

    QJsonObject program_;
    QString user_;
    QString host_;
    // The JSON text of the program, the user and the host.
    std::optional<std::string> programText_;
    std::optional<std::string> userText_;
    std::optional<std::string> hostText_;
    QString equation_;
    std::vector<ExcludedPoint> excluded_;
    std::optional<SeenFile> seen_;
    std::optional<ChangedFile> changing_;
    std::optional<WrittenHistory> written_;
    std::string shaBeforeAppend_;
    // The data file of the append begun, and its history.
    std::pair<std::string, std::string> appending_;
};
