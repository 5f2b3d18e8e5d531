#include "unicode_text.h"

#include "text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace marklow {

namespace {

struct TCollationState {
    std::mutex Lock;
    std::string Language;
    std::unique_ptr<icu::Collator> Collator;
    bool Built = false;
};

TCollationState& State() {
    static TCollationState state;
    return state;
}

std::unique_ptr<icu::Collator> MakeCollator(const std::string& language) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(
        language.empty() ? icu::Locale::getRoot() : icu::Locale(language.c_str()), status));
    if (U_FAILURE(status) || !c) {
        status = U_ZERO_ERROR;
        c.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) c.reset();
    }
    if (c) {
        // Decomposed and composed forms of a name sort as one.
        status = U_ZERO_ERROR;
        c->setAttribute(UCOL_NORMALIZATION_MODE, UCOL_ON, status);
    }
    return c;
}

} // namespace

std::string NameMatchKey(std::string_view name) {
    std::string_view t = TrimBlanks(name);
    if (IsAscii(t)) {
        std::string out(t);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return std::string(t);
    icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(t.data(), static_cast<int32_t>(t.size())));
    // Folding the decomposed form, then composing, is canonical caseless matching.
    icu::UnicodeString folded = nfd->normalize(u, status);
    folded.foldCase();
    icu::UnicodeString composed = nfc->normalize(folded, status);
    if (U_FAILURE(status)) return std::string(t);
    std::string out;
    composed.toUTF8String(out);
    return out;
}

void SetCollationLanguage(std::string language) {
    TCollationState& s = State();
    std::lock_guard<std::mutex> guard(s.Lock);
    if (s.Built && s.Language == language) return;
    s.Language = std::move(language);
    s.Collator.reset();
    s.Built = false;
}

const std::string& CollationLanguage() {
    return State().Language;
}

std::string CollationKey(std::string_view text) {
    TCollationState& s = State();
    std::lock_guard<std::mutex> guard(s.Lock);
    if (!s.Built) {
        s.Collator = MakeCollator(s.Language);
        s.Built = true;
    }
    if (!s.Collator) return std::string(text);
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    std::string key(u.length() * 4 + 16, '\0');
    int32_t n = s.Collator->getSortKey(u, reinterpret_cast<uint8_t*>(key.data()),
                                       static_cast<int32_t>(key.size()));
    if (n > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<size_t>(n));
        n = s.Collator->getSortKey(u, reinterpret_cast<uint8_t*>(key.data()), n);
    }
    // The key ends with a zero byte, which compares below every other byte anyway.
    key.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return key;
}

} // namespace marklow
