// puztool: inspect, validate, import, export, lock and unlock puzzle files from
// the command line, through the same document code the program uses.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "cli_services.h"
#include "doc/file_replace.h"
#include "doc/ipuz_import.h"
#include "doc/jpz_import.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_reader.h"
#include "doc/text_import.h"
#include "info_command.h"
#include "ports/core_context.h"
#include "resources/string_table.h"

using namespace gw;
using namespace gw::puztool;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: puztool info FILE          print the puzzle as JSON\n"
                 "       puztool check FILE         verify a puzzle file (exit 1 on any problem)\n"
                 "       puztool import IN OUT.puz  convert a text, ipuz or Crossword Compiler puzzle\n"
                 "       puztool export IN.puz OUT.ipuz  write a puzzle as ipuz\n"
                 "       puztool lock FILE          scramble the solution, print the key, save\n"
                 "       puztool unlock FILE KEY    unscramble the solution with KEY, save\n");
    return 2;
}

// Installs the command-line ports and the one document for the length of a command.
struct Session {
    CliServices services;
    std::unique_ptr<PuzzleDocument> doc;
    Session() {
        core().ui = &services;
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
    }
    ~Session() {
        doc.reset();
        core() = CoreContext{};
    }
};

int checkCommand(const std::string& path) {
    Session s;
    if (!s.doc->open(path)) return 1;
    return s.services.warningsShown == 0 ? 0 : 1;
}

int importCommand(const std::string& in, const std::string& out) {
    Session s;
    const bool ipuz = looksLikeIpuzFile(in);
    if (ipuz || looksLikeJpzFile(in)) {
        std::string message;
        std::unique_ptr<PuzzleFileImage> image = ipuz ? readIpuzFile(in, message) : readJpzFile(in, message);
        if (!image) {
            s.services.warning(message);
            return 1;
        }
        if (!s.doc->buildFromImage(std::move(image), out)) return 1;
        return s.doc->saveAs(out) ? 0 : 1;
    }
    TextPuzzle tp;
    if (!parseTextPuzzle(in, tp)) {
        s.services.warningById(IDS_IMPORT_UNRECOGNIZED);
        return 1;
    }
    if (!checkTextPuzzle(tp)) return 1;
    std::unique_ptr<PuzzleFileImage> image = convertTextPuzzle(tp);
    if (!image || !s.doc->buildFromImage(std::move(image), out)) return 1;
    return s.doc->saveAs(out) ? 0 : 1;
}

int exportCommand(const std::string& in, const std::string& out) {
    Session s;
    if (!s.doc->open(in)) return 1;
    if (s.doc->isScrambled) std::fprintf(stderr, "puztool: the solution is locked; the ipuz file goes without it\n");
    const std::string text = exportIpuz(*s.doc);
    if (replaceFileContents(out, reinterpret_cast<const uint8_t*>(text.data()), text.size()) != ReplaceResult::Ok) {
        std::fprintf(stderr, "puztool: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

int lockCommand(const std::string& path) {
    Session s;
    if (!s.doc->open(path)) return 1;
    if (s.doc->isScrambled) {
        std::fprintf(stderr, "puztool: the solution is already locked\n");
        return 1;
    }
    if (!s.doc->lockSolution() || !s.doc->save()) return 1;
    std::printf("%d\n", s.doc->grid->key);
    return 0;
}

int unlockCommand(const std::string& path, const std::string& keyText) {
    Session s;
    char* end = nullptr;
    const long key = std::strtol(keyText.c_str(), &end, 10);
    if (keyText.empty() || *end != '\0' || key < 1000 || key > 9999) {
        s.services.warningById(IDS_KEY_FORMAT);
        return 1;
    }
    if (!s.doc->open(path)) return 1;
    if (!s.doc->isScrambled) {
        std::fprintf(stderr, "puztool: the solution is not locked\n");
        return 1;
    }
    s.services.unlockKey = int(key);
    if (!s.doc->unlockSolution() || !s.doc->save()) return 1;
    return 0;
}

int run(int argc, char** argv) {
    if (argc < 3) return usage();
    const std::string command = argv[1];
    if (command == "info" && argc == 3) {
        Session s;
        return infoCommand(*s.doc, argv[2]);
    }
    if (command == "check" && argc == 3) return checkCommand(argv[2]);
    if (command == "import" && argc == 4) return importCommand(argv[2], argv[3]);
    if (command == "export" && argc == 4) return exportCommand(argv[2], argv[3]);
    if (command == "lock" && argc == 3) return lockCommand(argv[2]);
    if (command == "unlock" && argc == 4) return unlockCommand(argv[2], argv[3]);
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "puztool: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "puztool: unexpected failure\n");
    }
    return 3;
}
