// Reads the notes of an ELF64 file from its section headers, as `readelf -n` does.
#pragma once

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct ElfNote {
    std::string section;
    std::string owner;
    unsigned type = 0;
    std::string description;
};

inline std::vector<ElfNote> readElfNotes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<ElfNote> notes;
    if (bytes.size() < sizeof(Elf64_Ehdr) || bytes.compare(0, SELFMAG, ELFMAG) != 0 ||
        bytes[EI_CLASS] != ELFCLASS64)
        return notes;
    Elf64_Ehdr eh;
    std::memcpy(&eh, bytes.data(), sizeof eh);
    auto sectionHeader = [&](std::size_t i) {
        Elf64_Shdr sh{};
        const std::size_t at = eh.e_shoff + i * eh.e_shentsize;
        if (at + sizeof sh <= bytes.size()) std::memcpy(&sh, bytes.data() + at, sizeof sh);
        return sh;
    };
    const Elf64_Shdr names = sectionHeader(eh.e_shstrndx);
    for (std::size_t i = 0; i < eh.e_shnum; ++i) {
        const Elf64_Shdr sh = sectionHeader(i);
        if (sh.sh_type != SHT_NOTE || sh.sh_offset + sh.sh_size > bytes.size()) continue;
        const std::string section = bytes.c_str() + names.sh_offset + sh.sh_name;
        std::size_t at = sh.sh_offset;
        const std::size_t end = sh.sh_offset + sh.sh_size;
        const std::size_t align = sh.sh_addralign > 4 ? sh.sh_addralign : 4;
        auto padded = [align](std::size_t n) { return (n + align - 1) / align * align; };
        while (at + sizeof(Elf64_Nhdr) <= end) {
            Elf64_Nhdr nh;
            std::memcpy(&nh, bytes.data() + at, sizeof nh);
            at += sizeof nh;
            if (at + padded(nh.n_namesz) + nh.n_descsz > end) break;
            ElfNote note;
            note.section = section;
            note.owner.assign(bytes.data() + at, nh.n_namesz ? nh.n_namesz - 1 : 0);
            at += padded(nh.n_namesz);
            note.type = nh.n_type;
            note.description.assign(bytes.data() + at, nh.n_descsz);
            at += padded(nh.n_descsz);
            notes.push_back(note);
        }
    }
    return notes;
}
