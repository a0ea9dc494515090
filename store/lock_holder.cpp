#include "lock_holder.h"

#include <charconv>
#include <ctime>
#include <pwd.h>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kFirstLine = "tolvazen lock";
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string Hex(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 15];
    }
    return out;
}

std::optional<std::string> FromHex(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::size_t high = kHexDigits.find(hex[i]), low = kHexDigits.find(hex[i + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// A name as a message may show it: printable ASCII, anything else '?'.
std::string Printable(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c <= ' ' || c > '~')
            c = '?';
    return out;
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t space = std::min(line.find(' ', at), line.size());
        words.push_back(line.substr(at, space - at));
        at = space + 1;
    }
    return words;
}

std::optional<InPlaceWrite> ParseWrite(const std::vector<std::string_view>& words)
{
    InPlaceWrite write;
    if (words.size() != 9 || !ParseNumber(words[2], write.size) || !ParseNumber(words[3], write.at) ||
        !ParseNumber(words[5], write.newSize) || !ParseNumber(words[6], write.newHash) ||
        !ParseNumber(words[7], write.guardLength) || !ParseNumber(words[8], write.guardHash) ||
        write.guardLength > write.at)
        return std::nullopt;
    auto name = FromHex(words[1]);
    auto tail = FromHex(words[4]);
    if (!name || name->empty() || !tail)
        return std::nullopt;
    write.fileName = std::move(*name);
    write.oldTail = std::move(*tail);
    return write;
}

}  // namespace

const std::string& ThisHost()
{
    static const std::string host = [] {
        char name[256] = {};
        return ::gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string("?");
    }();
    return host;
}

LockHolder ThisProcess()
{
    // The user's name is looked up once per user; tokens come from one
    // generator per thread, seeded afresh in each process (a forked child is
    // a new one).
    thread_local uid_t namedUser = static_cast<uid_t>(-1);
    thread_local std::string userName;
    if (namedUser != ::geteuid()) {
        namedUser = ::geteuid();
        const struct passwd* user = ::getpwuid(namedUser);
        userName = user ? std::string(user->pw_name) : std::to_string(namedUser);
    }
    thread_local pid_t seededIn = 0;
    thread_local std::mt19937_64 random;
    if (seededIn != ::getpid()) {
        std::random_device seed;
        random.seed((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^ static_cast<std::uint64_t>(::getpid()));
        seededIn = ::getpid();
    }
    LockHolder holder;
    holder.user = userName;
    holder.host = ThisHost();
    holder.pid = ::getpid();
    holder.token = std::to_string(random());
    holder.since = static_cast<long long>(std::time(nullptr));
    return holder;
}

std::string HolderText(const LockHolder& holder)
{
    return std::string(kFirstLine) + "\nuser " + Printable(holder.user) + "\nhost " + Printable(holder.host) +
           "\npid " + std::to_string(holder.pid) + "\ntoken " + holder.token + "\nsince " +
           std::to_string(holder.since) + "\n";
}

std::string InPlaceWriteText(const InPlaceWrite& write)
{
    return "write " + Hex(write.fileName) + " " + std::to_string(write.size) + " " +
           std::to_string(write.at) + " " + Hex(write.oldTail) + " " + std::to_string(write.newSize) + " " +
           std::to_string(write.newHash) + " " + std::to_string(write.guardLength) + " " +
           std::to_string(write.guardHash) + "\n";
}

std::optional<LockHolder> ParseHolder(std::string_view text)
{
    LockHolder holder;
    bool first = true;
    int fields = 0;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
        const std::string_view line = text.substr(0, end);
        if (first) {
            if (line != kFirstLine)
                return std::nullopt;
            first = false;
            continue;
        }
        const std::vector<std::string_view> words = Words(line);
        const std::string_view key = words[0];
        const std::string_view value = words.size() == 2 ? words[1] : std::string_view();
        if (key == "user")
            holder.user = value, ++fields;
        else if (key == "host")
            holder.host = value, ++fields;
        else if (key == "token")
            holder.token = value, ++fields;
        else if (key == "pid" && ParseNumber(value, holder.pid))
            ++fields;
        else if (key == "since" && ParseNumber(value, holder.since))
            ++fields;
    }
    if (fields != 5 || holder.token.empty())
        return std::nullopt;
    return holder;
}

std::optional<InPlaceWrite> ParseInPlaceWrite(std::string_view text)
{
    if (text.empty() || text.back() != '\n' || text.find('\n') != text.size() - 1)
        return std::nullopt;
    const std::vector<std::string_view> words = Words(text.substr(0, text.size() - 1));
    return words[0] == "write" ? ParseWrite(words) : std::nullopt;
}

std::uint64_t BytesHash(std::string_view bytes, std::uint64_t hash)
{
    for (const char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

std::string DescribeHolder(const LockHolder& holder)
{
    const std::time_t since = static_cast<std::time_t>(holder.since);
    std::tm local {};
    char when[32] = "?";
    if (::localtime_r(&since, &local))
        std::strftime(when, sizeof when, "%d.%m.%Y %H:%M:%S", &local);
    return "пользователь " + Printable(holder.user) + ", компьютер " + Printable(holder.host) + ", процесс " +
           std::to_string(holder.pid) + ", с " + when;
}
