#pragma once
// The main window's status panels that the radio link writes, by name. The
// status bar numbers its panels 1..11; these are their numbers.
enum class StatusPanel : int {
  LinkState = 2,  // "Connecting with transceiver... ", "Connect well with radio.", "Communication fault."
  Port = 3,       // "COM" and the port number
  BandA = 7,      // the first band's edges
  BandB = 8,      // the second band's edges
};
