#include "regex/regkif.h"

// Placeholder until the matcher lands.
struct TRegKif::Program {};
ERegKif::ERegKif(int code, int pos)
    : std::runtime_error(TRegKif::ErrorMsg(code)), code_(code), pos_(pos) {}
TRegKif::TRegKif() : modifiers_(0) {}
TRegKif::~TRegKif() = default;
std::string TRegKif::ErrorMsg(int) { return "Unknown error"; }
