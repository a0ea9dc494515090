#include "history/sha256.h"

#include <openssl/evp.h>
#include <stdexcept>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

EVP_MD_CTX* Checked(EVP_MD_CTX* context)
{
    if (context == nullptr)
        throw std::bad_alloc();
    return context;
}

// The digest's implementation, fetched from its provider once, not for each
// hash.
const EVP_MD* Sha256Digest()
{
    static EVP_MD* const digest = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    return digest != nullptr ? digest : EVP_sha256();
}

std::string HexOf(const unsigned char* digest, unsigned int length)
{
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHexDigits[digest[i] >> 4];
        hex += kHexDigits[digest[i] & 15];
    }
    return hex;
}

}  // namespace

void Sha256::Free::operator()(evp_md_ctx_st* context) const
{
    EVP_MD_CTX_free(context);
}

Sha256::Sha256() : context_(Checked(EVP_MD_CTX_new()))
{
    EVP_DigestInit_ex(context_.get(), Sha256Digest(), nullptr);
}

Sha256::Sha256(const Sha256& other) : context_(Checked(EVP_MD_CTX_new()))
{
    EVP_MD_CTX_copy_ex(context_.get(), other.context_.get());
}

Sha256& Sha256::operator=(const Sha256& other)
{
    if (this != &other)
        EVP_MD_CTX_copy_ex(context_.get(), other.context_.get());
    return *this;
}

Sha256::~Sha256() = default;

void Sha256::Add(std::string_view bytes)
{
    EVP_DigestUpdate(context_.get(), bytes.data(), bytes.size());
}

std::string Sha256::Hex() const
{
    Sha256 copy(*this);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(copy.context_.get(), digest, &length);
    return HexOf(digest, length);
}

std::string Sha256Hex(std::string_view bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, Sha256Digest(), nullptr) != 1)
        throw std::bad_alloc();
    return HexOf(digest, length);
}
