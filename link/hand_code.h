#pragma once
// The programming-mode entry sequence. Every exchange opens with its first 7
// bytes (the password change with all 8); the radio answers an entry sequence
// it accepts with 0x06. This is the one place that holds its value: the
// start-up copies it into the shared state and the radio simulator of the
// tests recognises it from here.
//
// None of its bytes is one of the protocol's byte values (0x02, 0x06, 0x53,
// 0x58, 0xAA, 0xDD), so an entry sequence can never be mistaken for a frame.
#include "state/session.h"

#include <array>
#include <cstdint>

inline constexpr std::array<std::uint8_t, 8> kHandCode{0x7E, 0x31, 0xC4, 0x19, 0x8B, 0x25, 0xE7, 0x4C};

// Builds Hand_code (start-up).
inline void Hand_code_init(Session& st) { st.Hand_code = kHandCode; }
