#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/Context.hpp"
#include "tools/MunicipalityTable.hpp"

namespace tavrik::tools {

enum class Sex { Male, Female };

/// The sex of a whole answer line: M, m or "maschio" in any case is male,
/// F, f or "femmina" female, with blanks around ignored; anything else none.
std::optional<Sex> sexFromAnswer(std::string_view answer);

/// The birthplace as typed, for someone born on `born`: its name (blanks
/// around it ignored; see normalizeName and findMunicipality), or its
/// four-character cadastral code in any case (found on any day).
MunicipalityLookup municipalityOf(const MunicipalityTable& table, std::string_view typed,
                                  CalendarDay born);

/// What the birthplace question says when the answer gives no code: "not
/// found", the choices of a name of several places, or the place that did
/// not exist on the birth day; each message ends with a line end.
std::string birthplaceError(const MunicipalityLookup& place);

/// The letter of a month 1..12 in the tax code.
char monthLetter(int month);

/// Positions 1-3 of the tax code: the surname's consonants, then its vowels,
/// then X, three in all.
std::string surnameLetters(std::string_view typedSurname);

/// Positions 4-6: the first, third and fourth consonant of a first name with
/// four or more, else as for the surname.
std::string firstNameLetters(std::string_view typedFirstName);

/// The 16-character tax code. Day 1..31, month 1..12 and year >= 0 are the
/// caller's to check.
std::string buildTaxCode(std::string_view surname, std::string_view firstName, int day, int month,
                         int year, Sex sex, MunicipalityCode municipality);

/// The control letter of the first 15 characters of a tax code.
char taxCodeCheckCharacter(std::string_view first15);

/// The municipality table for one command: the file in the working
/// directory, else the copy installed with the program. When it cannot be
/// loaded, writes "Errore caricare risorse" between line ends and gives
/// nullopt.
std::optional<MunicipalityTable> loadMunicipalitiesFor(Context& context);

/// 'f': asks for a person's data and writes the tax code.
Flow runTaxCode(Context& context);

}  // namespace tavrik::tools
