#pragma once

#include <memory>
#include <string>
#include <string_view>

struct evp_md_ctx_st;

// A running SHA-256 (OpenSSL), which may be copied part way: two texts that
// begin alike are hashed through their common beginning once.
class Sha256 {
public:
    Sha256();
    Sha256(const Sha256& other);
    Sha256& operator=(const Sha256& other);
    Sha256(Sha256&&) noexcept = default;
    Sha256& operator=(Sha256&&) noexcept = default;
    ~Sha256();

    void Add(std::string_view bytes);
    // The digest of the bytes so far, in lower-case hex; more may be added.
    std::string Hex() const;

private:
    struct Free {
        void operator()(evp_md_ctx_st* context) const;
    };
    std::unique_ptr<evp_md_ctx_st, Free> context_;
};

std::string Sha256Hex(std::string_view bytes);
