#pragma once
// The Unicode rules names need: matching in a normalised form, sorting by a language's
// collation. ICU does both (the core stays free of Qt; ICU is a plain C++ library that Qt
// itself is built on, so the program gains no new kind of dependency).

#include <string>
#include <string_view>

namespace marklow {

// The key two names match by: blanks around removed, case folded, in NFC, so "ANNA",
// "anna " and a decomposed "Małgorzata" meet their plain forms. Bytes that are not UTF-8 are
// kept as they are.
std::string NameMatchKey(std::string_view name);

// The language whose collation sorts names ("de", "pl", "en_US"; empty: the root order,
// which already puts "Ángel" with "Angel" and "Łukasz" after "Lukas"). The main window sets
// the program's language, the command line the environment's.
void SetCollationLanguage(std::string language);
const std::string& CollationLanguage();

// A key whose byte order is the collation's order of the texts: computed once per item, a
// sort compares only bytes. Texts that are equal in the collation get equal keys.
std::string CollationKey(std::string_view text);

} // namespace marklow
