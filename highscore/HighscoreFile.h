#pragma once

#include "highscore/HighscoreTable.h"

// The highscore table on disk. The stored file holds the table as text
// lines ending in CR LF with every byte b stored as (b - 25) mod 256; the
// plain text passes through a temporary file that every operation deletes
// again before it returns. All paths are relative to the working directory.
constexpr const char* kHighscorePath = "data/M/007.obx";
constexpr const char* kHighscoreTempPath = "data/M/008.obx";
// A new stored file is written here first and then renamed over the old
// one, so that the old table stays until the new one is complete.
constexpr const char* kHighscoreNewPath = "data/M/007.new";

// Copy source to destination byte by byte, shifted by -25 (encode) or +25
// (decode). The destination is created or truncated even when the source
// cannot be read. 0 when every byte was written, -1 otherwise.
int encodeHighscoreFile(const char* source, const char* destination);
int decodeHighscoreFile(const char* source, const char* destination);

// Reads 16 lines of plain text into the table. A line ends at a line feed
// (a carriage return before it is dropped) or at the end of the file; a
// line of more than 9 characters keeps its first 9 and ends the reading;
// every slot not reached stays empty.
void readHighscoreText(const char* path, HighscoreTable& table);
// Writes the 16 slots, each followed by CR LF. 0 on success, -1 otherwise.
int writeHighscoreText(const char* path, const HighscoreTable& table);

// Replaces the stored file with the default table.
void writeDefaultHighscores();
// Replaces the stored file with the default table when its checksum fails.
// A missing stored file reads as an empty table, which passes.
void validateHighscoreFile();
// Validates, then reads the stored table.
void loadHighscoreTable(HighscoreTable& table);
// Reads the stored table as it stands, without validating.
void readStoredHighscores(HighscoreTable& table);
// Replaces the stored file with the table (whose checksum the caller has
// set). 0 when the new table is in place, -1 when the old one was kept.
int saveHighscoreTable(const HighscoreTable& table);

// The two halves of a save: the encoded table is written beside the stored
// file, then moved over it.
int writeHighscoreBeside(const HighscoreTable& table);
int replaceStoredHighscores();
