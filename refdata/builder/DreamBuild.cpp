// Builds the dream dictionary's tables of dream.dll from its readable sources:
//
//   korvani-dreambuild TEXTS_DIR OUTDIR
//
// TEXTS_DIR holds categories.tsv and one <ZMID>.tsv per category (DreamTexts.h); OUTDIR receives
// Tclass.tsv and JMTable.tsv, the texts of JMTable scrambled as the program stores them.

#include <iostream>

#include "DreamTexts.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: korvani-dreambuild TEXTS_DIR OUTDIR\n";
        return 2;
    }
    try {
        const auto sources = korvani::refdata::ReadDreamSources(argv[1]);
        korvani::refdata::WriteDreamTables(sources, argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "korvani-dreambuild: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
