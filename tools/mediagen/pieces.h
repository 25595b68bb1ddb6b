// The game's music and sound effects; each function writes one file into `dir`.
#pragma once
#include <string>

void writeMainTheme(const std::string &dir);     // hudba8.mid: main menu, teleport fanfare
void writeDesert(const std::string &dir);        // Hudba7.mid: the crash site
void writePoliceStation(const std::string &dir); // Hudba13.mid
void writeYard(const std::string &dir);          // Hudba10.mid: the homeless man's yard and hideout
void writeCastle(const std::string &dir);        // Hudba15.mid: the castle ruin
void writeVilla(const std::string &dir);         // Hudba2.mid: the president's villa

void writeLaunch(const std::string &dir);  // frame3start.wav
void writeArrival(const std::string &dir); // 9m18.wav
void writeBarLoop(const std::string &dir); // Hudbabarvstupatd.wav
void writeLost(const std::string &dir);    // uvod2.wav
void writeSiren(const std::string &dir);   // police.wav
