#pragma once

#include <string_view>

/// Messages shared by more than one command.
namespace tavrik::msg {

inline constexpr std::string_view kRetry = "Errore riprova";
inline constexpr std::string_view kInvalidFunction = "Funzione non valida.Riprova";
inline constexpr std::string_view kWrongFunction = "Funzione errata";
inline constexpr std::string_view kPath = "Path: ";
inline constexpr std::string_view kNetworkError = "Errore di rete, collegati e riprova.";
inline constexpr std::string_view kDivisionByZero = "Errore: divisione per zero.";
inline constexpr std::string_view kInvalidOperator = "Errore: operatore non valido";

}  // namespace tavrik::msg
