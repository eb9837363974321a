#pragma once
// A ROM, our table and scripts in a temporary folder, inserted as zarvo-tool inserts
// them.

#include "script/script_insertion.h"
#include "script/script_table_file.h"
#include "support/temp_folder.h"

#include <string>
#include <vector>

namespace zarvo::testing {

// Letters at 80.. (capitals) and A0.. (small), blank 5F, line FE, end FF.
inline constexpr const char* kScriptTable =
    "80=A\n81=B\n82=C\n83=D\n84=E\n85=F\n86=G\n87=H\n88=I\n89=J\n8A=K\n8B=L\n8C=M\n8D=N\n8E=O\n8F=P\n"
    "A0=a\nA1=b\nA2=c\nA3=d\nA4=e\nA5=f\nA6=g\nA7=h\nA8=i\nA9=j\nAA=k\nAB=l\nAC=m\nAD=n\nAE=o\nAF=p\n"
    "B0=q\nB1=r\nB2=s\nB3=t\nB4=u\nB5=v\nB6=w\nB7=x\nB8=y\nB9=z\n5F= \n01=1\n02=2\n0102=X\n/FE\n*FF\n";

// The header every test script starts with: the table, 16-bit pointers at 0x8000 with
// offset 0x10000, and the block 0x10000-0x100FF.
inline constexpr const char* kScriptHeader =
    "#VAR(T, TABLE)\n#ADDTBL(\"game.tbl\", T)\n#ACTIVETBL(T)\n#VAR(P, CUSTOMPOINTER)\n"
    "#CREATEPTR(P, \"LINEAR\", $10000, 16)\n#VAR(S, POINTERTABLE)\n#PTRTBL(S, $8000, 2, P)\n#JMP($10000, $100FF)\n";

struct ScriptFixture {
    TempFolder folder;
    std::vector<uint8_t> rom;

    explicit ScriptFixture(std::size_t size = 0x20000, const char* table = kScriptTable) : rom(RandomBytes(size, 1))
    {
        folder.write("game.tbl", table);
    }
    [[nodiscard]] ScriptInsertion insert(const std::string& script, bool atlas = false) const
    {
        const std::string path = folder.write("script.txt", script);
        return InsertScript(rom, script, path, TableReaderBeside(path, atlas));
    }
};

}  // namespace zarvo::testing
