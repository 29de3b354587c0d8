// The command line of brevant-cfg: its options, and which command runs.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "ExitStatus.h"
#include "BrevantVersion.h"

namespace {

void addValueOptions(CLI::App& cmd, ValueTexts& texts) {
    // Texts, not numbers: the editor's number rules and messages decide, not the parser.
    cmd.add_option("--title", texts.title, "Title Name (UTF-8; at most 31 bytes in the code page)");
    cmd.add_option("--customer-id", texts.customerId, "Customer ID, 0 to 4294967295");
    cmd.add_option("--key-addr", texts.keyAddr, "Key Addr, 0 to 4294967295");
    cmd.add_option("--hw-type", texts.hwType, "HW Type, 0 to 255");
    cmd.add_option("--style", texts.style, "Style, 0 to 255");
    cmd.add_option("--jpeg-addr", texts.jpegAddr, "JPEG Addr, -2147483648 to 2147483647");
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    CLI::App app{"Read, check and write Orvo configuration records (.cfg, .sdx).", "brevant-cfg"};
    app.set_version_flag("--version", std::string(brevant_version::kProductName) + " " + brevant_version::kProductVersion);
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 all good, 64 usage, 65 a record or value refused, 66 input cannot be opened,\n"
        "73 output cannot be created, 74 I/O error. With several files the worst status wins.");

    std::vector<std::string> files;
    bool json = false;
    auto* show = app.add_subcommand("show", "Print the six values of each record");
    show->add_flag("--json", json, "One JSON object per file (an array for several files)");
    show->add_option("FILE", files, "Record files")->required();

    std::vector<std::string> verifyFiles;
    auto* verify = app.add_subcommand("verify", "Check each record's length and checksum");
    verify->add_option("FILE", verifyFiles, "Record files")->required();

    std::string setFile;
    std::optional<std::string> setOutput;
    ValueTexts setTexts;
    auto* set = app.add_subcommand("set", "Change the given values of a record and write it");
    set->add_option("FILE", setFile, "Record file to read")->required();
    set->add_option("-o,--output", setOutput, "File to write (default: FILE)");
    addValueOptions(*set, setTexts);

    std::string newOutput;
    ValueTexts newTexts;
    auto* create = app.add_subcommand("new", "Write a record of the empty values with the given ones set");
    create->add_option("OUT", newOutput, "File to write")->required();
    addValueOptions(*create, newTexts);

    std::string dumpFile;
    auto* dump = app.add_subcommand("dump", "Print every byte of a record file with its field");
    dump->add_option("FILE", dumpFile, "Record file")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, std::cout, std::cerr);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e, std::cout, std::cerr);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e, std::cout, std::cerr);
    } catch (const CLI::ParseError& e) {
        app.exit(e, std::cout, std::cerr);
        return kExitUsage;
    }

    Streams io{std::cout, std::cerr};
    int status = kExitUsage;
    if (*show) status = runShow(files, json, io);
    else if (*verify) status = runVerify(verifyFiles, io);
    else if (*set) status = runSet(setFile, setOutput, setTexts, io);
    else if (*create) status = runNew(newOutput, newTexts, io);
    else if (*dump) status = runDump(dumpFile, io);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "brevant-cfg: error writing the output\n";
        return kExitIoErr;
    }
    return status;
}
