// The record format's worked example: "abc", 1000, 65536, 2, 1, -2 (checksum 0x610).
#pragma once

#include "ConfigRecord.h"

inline ConfigValues exampleValues() {
    ConfigValues v;
    v.titleName = "abc";
    v.customerId = 1000;
    v.keyAddr = 65536;
    v.hwType = 2;
    v.style = 1;
    v.jpegAddr = -2;
    return v;
}
