// The solver against pinned results: the known lines at limits 150 and 116,
// every limit from 100 to 200 against a table made by the plain reference
// search (bench/reference_search.cpp, linear scans), and slicing that never
// changes the outcome.
#include "puzzle.h"
#include "tenblock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace trulp;

namespace {

std::unique_ptr<Puzzle> SearchReady(int limit) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(limit);
    p->ClearMoves();
    return p;
}

uint8_t RunToEnd(Puzzle& p, int32_t slice) {
    uint8_t r;
    do
        r = p.SearchStep(slice);
    while (r == kBudgetSpent);
    return r;
}

std::string LineText(const Puzzle& p) {
    std::string s;
    for (int i = 1; i <= p.lastMove(); ++i) {
        if (i > 1)
            s += ' ';
        s += startTable[p.movesList()[i].block].letter;
        s += DirectionLetters[p.movesList()[i].direction];
    }
    return s;
}

uint64_t LineHash(const Puzzle& p) {
    uint64_t h = 1469598103934665603ull;
    for (int i = 1; i <= p.lastMove(); ++i) {
        h ^= p.movesList()[i].block * 16u + p.movesList()[i].direction;
        h *= 1099511628211ull;
    }
    return h;
}

// Replays moves 1..n on a fresh board; false if one cannot be made.
bool Replay(const Puzzle& p, int n, Board& board) {
    for (int i = 1; i <= n; ++i) {
        const MoveRecord& m = p.movesList()[i];
        if (!(board.PossibleDirections(m.block) & m.direction))
            return false;
        board.ApplyStep(m.block, m.direction);
    }
    return true;
}

struct Golden {
    int limit, result, moves;
    uint32_t trialMoves, forwardHits, backwardHits;
    int forwardLength;
    uint64_t lineHash;
};

const Golden kGolden[] = {
    {100, 3, 0, 847191u, 200762u, 5113u, 20674, 0x14650fb0739d0383ull},
    {101, 3, 0, 867745u, 205615u, 5227u, 20952, 0x14650fb0739d0383ull},
    {102, 3, 0, 888506u, 210501u, 5349u, 21170, 0x14650fb0739d0383ull},
    {103, 3, 0, 909557u, 215479u, 5495u, 21350, 0x14650fb0739d0383ull},
    {104, 3, 0, 930877u, 220512u, 5627u, 21504, 0x14650fb0739d0383ull},
    {105, 3, 0, 952338u, 225611u, 5758u, 21634, 0x14650fb0739d0383ull},
    {106, 3, 0, 973755u, 230617u, 5892u, 21748, 0x14650fb0739d0383ull},
    {107, 3, 0, 995214u, 235693u, 6042u, 21864, 0x14650fb0739d0383ull},
    {108, 3, 0, 1016678u, 240738u, 6185u, 21972, 0x14650fb0739d0383ull},
    {109, 3, 0, 1038505u, 245947u, 6324u, 22078, 0x14650fb0739d0383ull},
    {110, 3, 0, 1060623u, 251212u, 6469u, 22188, 0x14650fb0739d0383ull},
    {111, 3, 0, 1082889u, 256483u, 6594u, 22272, 0x14650fb0739d0383ull},
    {112, 3, 0, 1105187u, 261770u, 6705u, 22340, 0x14650fb0739d0383ull},
    {113, 3, 0, 1127335u, 266999u, 6837u, 22394, 0x14650fb0739d0383ull},
    {114, 3, 0, 1149237u, 272124u, 6961u, 22454, 0x14650fb0739d0383ull},
    {115, 3, 0, 1171292u, 277327u, 7112u, 22528, 0x14650fb0739d0383ull},
    {116, 2, 116, 1181340u, 279758u, 7210u, 22504, 0xb8e2f9a745d94b66ull},
    {117, 2, 116, 1203453u, 284927u, 7357u, 22587, 0xb8e2f9a745d94b66ull},
    {118, 2, 118, 1155310u, 273323u, 7346u, 22576, 0xc09e6cad1cf1ee6bull},
    {119, 2, 118, 1177545u, 278520u, 7500u, 22670, 0xc09e6cad1cf1ee6bull},
    {120, 2, 120, 890716u, 210413u, 6207u, 21909, 0x76351dd437cbfcaaull},
    {121, 2, 120, 912280u, 215543u, 6333u, 21985, 0x76351dd437cbfcaaull},
    {122, 2, 122, 933082u, 220528u, 6452u, 22010, 0xb7a1c613db538b76ull},
    {123, 2, 122, 954990u, 225748u, 6566u, 22073, 0xb7a1c613db538b76ull},
    {124, 2, 124, 972360u, 229839u, 6662u, 22086, 0xe6a3e428291c650full},
    {125, 2, 124, 994532u, 235096u, 6813u, 22146, 0xe6a3e428291c650full},
    {126, 2, 126, 1015814u, 240124u, 6947u, 22163, 0x0b2046eddd0b565bull},
    {127, 2, 126, 1038201u, 245472u, 7080u, 22230, 0x0b2046eddd0b565bull},
    {128, 2, 128, 986437u, 233003u, 6855u, 22170, 0x3a74b63f710c45d4ull},
    {129, 2, 128, 1009010u, 238356u, 6987u, 22251, 0x3a74b63f710c45d4ull},
    {130, 2, 130, 920835u, 217221u, 6611u, 22078, 0x764663264257fae3ull},
    {131, 2, 130, 943558u, 222658u, 6720u, 22159, 0x764663264257fae3ull},
    {132, 2, 132, 965698u, 227992u, 6843u, 22185, 0x760a7f099f570e59ull},
    {133, 2, 132, 989091u, 233565u, 6962u, 22248, 0x760a7f099f570e59ull},
    {134, 2, 134, 1006650u, 237783u, 7036u, 22260, 0xca5bc36b7beede9aull},
    {135, 2, 134, 1030493u, 243437u, 7167u, 22323, 0xca5bc36b7beede9aull},
    {136, 2, 136, 822526u, 193862u, 6176u, 22183, 0x4ae4d3a9122a0cbeull},
    {137, 2, 136, 846223u, 199583u, 6282u, 22261, 0x4ae4d3a9122a0cbeull},
    {138, 2, 138, 869141u, 205183u, 6385u, 22292, 0x0db679f9391653dcull},
    {139, 2, 138, 893052u, 210941u, 6500u, 22356, 0x0db679f9391653dcull},
    {140, 2, 140, 910957u, 215261u, 6566u, 22371, 0x532a8685070b603full},
    {141, 2, 140, 934882u, 220939u, 6686u, 22434, 0x532a8685070b603full},
    {142, 2, 142, 954387u, 225443u, 6795u, 22465, 0x44df70458a583ef2ull},
    {143, 2, 142, 978222u, 231135u, 6918u, 22542, 0x44df70458a583ef2ull},
    {144, 2, 144, 532294u, 124836u, 3721u, 18202, 0xa9c3d24df660e6beull},
    {145, 2, 144, 551605u, 129440u, 3829u, 18425, 0xa9c3d24df660e6beull},
    {146, 2, 144, 571036u, 134004u, 3934u, 18663, 0xa9c3d24df660e6beull},
    {147, 2, 144, 590744u, 138635u, 4048u, 18926, 0xa9c3d24df660e6beull},
    {148, 2, 148, 469022u, 109213u, 2870u, 17531, 0xf0061d1e5f27d3ddull},
    {149, 2, 148, 487784u, 113673u, 2973u, 17814, 0xf0061d1e5f27d3ddull},
    {150, 2, 148, 506873u, 118195u, 3058u, 18113, 0xf0061d1e5f27d3ddull},
    {151, 2, 148, 526226u, 122776u, 3152u, 18436, 0xf0061d1e5f27d3ddull},
    {152, 2, 148, 545781u, 127350u, 3259u, 18782, 0xf0061d1e5f27d3ddull},
    {153, 2, 148, 565575u, 132001u, 3362u, 19151, 0xf0061d1e5f27d3ddull},
    {154, 2, 154, 573641u, 133908u, 3307u, 19021, 0xd41ce3eaa3b00db4ull},
    {155, 2, 154, 593665u, 138709u, 3417u, 19352, 0xd41ce3eaa3b00db4ull},
    {156, 2, 154, 614066u, 143560u, 3500u, 19671, 0xd41ce3eaa3b00db4ull},
    {157, 2, 154, 634942u, 148592u, 3608u, 19981, 0xd41ce3eaa3b00db4ull},
    {158, 2, 154, 656112u, 153633u, 3737u, 20274, 0xd41ce3eaa3b00db4ull},
    {159, 2, 154, 677432u, 158714u, 3859u, 20543, 0xd41ce3eaa3b00db4ull},
    {160, 2, 160, 691460u, 162114u, 3970u, 20492, 0x3c434bbf575f44f3ull},
    {161, 2, 160, 712638u, 167211u, 4083u, 20696, 0x3c434bbf575f44f3ull},
    {162, 2, 160, 733856u, 172299u, 4200u, 20898, 0x3c434bbf575f44f3ull},
    {163, 2, 160, 755195u, 177397u, 4317u, 21091, 0x3c434bbf575f44f3ull},
    {164, 2, 164, 763531u, 179577u, 4231u, 20769, 0xe960bf4c52189003ull},
    {165, 2, 164, 784845u, 184711u, 4355u, 20964, 0xe960bf4c52189003ull},
    {166, 2, 164, 806210u, 189832u, 4484u, 21129, 0xe960bf4c52189003ull},
    {167, 2, 164, 827570u, 194977u, 4606u, 21266, 0xe960bf4c52189003ull},
    {168, 2, 164, 848931u, 200095u, 4732u, 21388, 0xe960bf4c52189003ull},
    {169, 2, 164, 870220u, 205181u, 4872u, 21491, 0xe960bf4c52189003ull},
    {170, 2, 164, 891505u, 210252u, 5002u, 21590, 0xe960bf4c52189003ull},
    {171, 2, 164, 912961u, 215410u, 5134u, 21699, 0xe960bf4c52189003ull},
    {172, 2, 164, 934561u, 220602u, 5261u, 21802, 0xe960bf4c52189003ull},
    {173, 2, 164, 956299u, 225860u, 5375u, 21907, 0xe960bf4c52189003ull},
    {174, 2, 174, 867338u, 205021u, 4884u, 21588, 0xe614dfbd93e2592eull},
    {175, 2, 174, 888843u, 210200u, 5021u, 21670, 0xe614dfbd93e2592eull},
    {176, 2, 176, 874205u, 206857u, 4970u, 21633, 0x89d14173f4e43ce4ull},
    {177, 2, 176, 895600u, 212010u, 5101u, 21717, 0x89d14173f4e43ce4ull},
    {178, 2, 178, 896259u, 212102u, 5194u, 21646, 0xaebb6b86678c01c8ull},
    {179, 2, 178, 917905u, 217309u, 5333u, 21728, 0xaebb6b86678c01c8ull},
    {180, 2, 180, 938836u, 222333u, 5483u, 21751, 0x4858bf3551afd5b2ull},
    {181, 2, 180, 961091u, 227616u, 5623u, 21820, 0x4858bf3551afd5b2ull},
    {182, 2, 182, 899612u, 213305u, 5250u, 21705, 0x923aa652da5d724dull},
    {183, 2, 182, 922376u, 218758u, 5381u, 21792, 0x923aa652da5d724dull},
    {184, 2, 184, 680683u, 160857u, 4154u, 21333, 0xc216d83ad836e493ull},
    {185, 2, 184, 703350u, 166375u, 4283u, 21437, 0xc216d83ad836e493ull},
    {186, 2, 186, 725107u, 171683u, 4398u, 21478, 0x76c2d1a38a6d4c29ull},
    {187, 2, 186, 747848u, 177156u, 4521u, 21565, 0x76c2d1a38a6d4c29ull},
    {188, 2, 188, 760987u, 180319u, 4606u, 21587, 0x899fd74c6009795aull},
    {189, 2, 188, 783689u, 185812u, 4746u, 21660, 0x899fd74c6009795aull},
    {190, 2, 190, 804145u, 190752u, 4869u, 21677, 0xad2f6d3f8b258e22ull},
    {191, 2, 190, 826856u, 196205u, 5020u, 21753, 0xad2f6d3f8b258e22ull},
    {192, 2, 192, 836860u, 198603u, 5067u, 21624, 0x18572c3f0e05031bull},
    {193, 2, 192, 859420u, 204036u, 5197u, 21721, 0x18572c3f0e05031bull},
    {194, 2, 194, 858228u, 203877u, 5159u, 21629, 0x6cd2fb2cd75e6a5dull},
    {195, 2, 194, 881181u, 209463u, 5276u, 21709, 0x6cd2fb2cd75e6a5dull},
    {196, 2, 196, 903406u, 214867u, 5388u, 21745, 0xb79ba425eff06307ull},
    {197, 2, 196, 926590u, 220365u, 5502u, 21827, 0xb79ba425eff06307ull},
    {198, 2, 198, 907002u, 215671u, 5512u, 21755, 0x86788df4ecfab0adull},
    {199, 2, 198, 930004u, 221150u, 5635u, 21837, 0x86788df4ecfab0adull},
    {200, 2, 200, 876511u, 208412u, 5571u, 21736, 0x1f3e3968af437089ull},
};

} // namespace

TEST(Solver, LimitOneFiftyFindsTheKnownLine) {
    auto p = SearchReady(150);
    ASSERT_EQ(RunToEnd(*p, 10000), kSolved);
    EXPECT_EQ(p->lastMove(), 148);
    EXPECT_EQ(LineText(*p),
              "FD FR GL HR CD DL EL IU FR ED DR CU DR HL GD CR HU GL CD DL DL EU FL ID ER DR FU HU GU IL "
              "ED DR CU IL FD IL CD DL EU FR CR GR GD HD AD HR AD XL BL EU EU FU FU CR GR GU HD HR IR AD "
              "DL BD GL BD EL FU CU FU CU HR BD ED FL CU HU HU BR ED ED HL HU DR AU DR IL GD AR IU GL AD "
              "DL CD DL EU FR HU EU AR GR ID DD XD HL FL CU BU HL FL EU AU GR GR IR IR DD XD FD FL EL AU "
              "AU XR FD FD HD HD EL AL CL BU BU XR FR FU DU IL GL IL GL XD FR FR HR HR DU GU GL XL");
    EXPECT_EQ(p->counters().trialMoves, 506873u);
    EXPECT_EQ(p->counters().forwardHits, 118195u);
    EXPECT_EQ(p->counters().backwardHits, 3058u);
    EXPECT_EQ(p->forwardLength(), 18113);
    EXPECT_TRUE(p->GoalReached());
    EXPECT_EQ(p->moveNr(), 149);
}

TEST(Solver, LimitOneSixteenIsTheLowestThatSolves) {
    auto p = SearchReady(116);
    ASSERT_EQ(RunToEnd(*p, 10000), kSolved);
    EXPECT_EQ(p->lastMove(), 116);
    EXPECT_EQ(LineText(*p),
              "HR CD DL GU IL ED GR DR CU HL IL EL GD DR FU GD IU HR CD FL DL BD BD XR AR FU CU FU CU HL "
              "IL EL GL BD DR EU GU HR HR ED AD FR CU IU EL AD AD IR IU DL BU DL HR GD BL HU GR BD DR CD "
              "DR AU FL IU AU BL GL HD DD XD IR FR CU EU IR FR AU BU GL GL HL HL DD XD FD FR AR BU BU XL "
              "FD FD ID ID AR BR CR EU EU XL FL FU DU HR GR HR GR XD FL FL IL IL DU GU GR XR");
    EXPECT_EQ(p->counters().trialMoves, 1181340u);
    EXPECT_EQ(p->counters().forwardHits, 279758u);
    EXPECT_EQ(p->counters().backwardHits, 7210u);
    EXPECT_EQ(p->forwardLength(), 22504);

    auto q = SearchReady(115);
    ASSERT_EQ(RunToEnd(*q, 10000), kNoSolution);
    EXPECT_EQ(q->lastMove(), 0);
    // Exhausted: back at the start with every stack at its bottom.
    EXPECT_EQ(q->moveNr(), 1);
    for (int b = 1; b <= kBlocks; ++b)
        EXPECT_EQ(q->board().anchor(b), startTable[b].field);
    for (int f = 0; f < kFields; ++f)
        EXPECT_EQ(q->history().stacks.pointer(f), 0);
}

TEST(Solver, EveryLimitMatchesThePlainSearch) {
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.limit);
        auto p = SearchReady(g.limit);
        EXPECT_EQ(RunToEnd(*p, 10000), g.result);
        EXPECT_EQ(p->lastMove(), g.moves);
        EXPECT_EQ(p->counters().trialMoves, g.trialMoves);
        EXPECT_EQ(p->counters().forwardHits, g.forwardHits);
        EXPECT_EQ(p->counters().backwardHits, g.backwardHits);
        EXPECT_EQ(p->forwardLength(), g.forwardLength);
        EXPECT_EQ(LineHash(*p), g.lineHash);
        if (g.result == kSolved) {
            Board board(PuzzleDef::Classic());
            EXPECT_TRUE(Replay(*p, p->lastMove(), board));
            EXPECT_TRUE(board.GoalReached());
            for (int i = 1; i <= p->lastMove(); ++i)
                EXPECT_FALSE(p->movesList()[i].block == kXBlock && p->movesList()[i].direction == Up);
        }
    }
}

TEST(Solver, SlicingNeverChangesTheOutcome) {
    for (int limit : {100, 116, 150, 173, 200}) {
        SCOPED_TRACE(limit);
        auto whole = SearchReady(limit);
        const uint8_t result = RunToEnd(*whole, 1 << 30);
        for (int slice : {1, 7, 10000}) {
            SCOPED_TRACE(slice);
            auto p = SearchReady(limit);
            EXPECT_EQ(RunToEnd(*p, slice), result);
            EXPECT_EQ(p->lastMove(), whole->lastMove());
            EXPECT_EQ(LineText(*p), LineText(*whole));
            EXPECT_EQ(p->counters().trialMoves, whole->counters().trialMoves);
            EXPECT_EQ(p->counters().forwardHits, whole->counters().forwardHits);
            EXPECT_EQ(p->counters().backwardHits, whole->counters().backwardHits);
            EXPECT_EQ(p->forwardLength(), whole->forwardLength());
        }
    }
}

TEST(Solver, BudgetOneStepsThroughTheFirstMoves) {
    auto p = SearchReady(150);
    const char* expected[] = {"FD", "FR", "GL", "GD", "DD", "XD", "HR", "CD"};
    const int moveNrAfter[] = {2, 3, 4, 5, 6, 7, 5, 6};
    const uint32_t trialsAfter[] = {1, 2, 4, 0, 0, 0, 14, 0};
    for (int call = 0; call < 8; ++call) {
        SCOPED_TRACE(call + 1);
        ASSERT_EQ(p->SearchStep(1), kBudgetSpent);
        EXPECT_EQ(p->moveNr(), moveNrAfter[call]);
        EXPECT_EQ(p->lastMove(), p->moveNr() - 1);
        const MoveRecord& m = p->movesList()[p->moveNr() - 1];
        EXPECT_EQ(std::string() + startTable[m.block].letter + DirectionLetters[m.direction], expected[call]);
        if (trialsAfter[call] != 0) {
            EXPECT_EQ(p->counters().trialMoves, trialsAfter[call]);
        }
        if (call == 6) {
            EXPECT_EQ(p->counters().backwardHits, 2u);
            EXPECT_EQ(p->counters().forwardHits, 0u);
        }
        // Between slices the board is the position after the line.
        Board board(PuzzleDef::Classic());
        ASSERT_TRUE(Replay(*p, p->moveNr() - 1, board));
        for (int b = 1; b <= kBlocks; ++b)
            EXPECT_EQ(p->board().anchor(b), board.anchor(b));
    }
    // Two calls of one leave the same search as one call of two.
    auto q = SearchReady(150);
    auto r = SearchReady(150);
    q->SearchStep(2);
    r->SearchStep(1);
    r->SearchStep(1);
    EXPECT_EQ(q->moveNr(), 3);
    EXPECT_EQ(r->moveNr(), q->moveNr());
    EXPECT_EQ(r->lastMove(), q->lastMove());
    for (int i = 1; i <= q->lastMove(); ++i) {
        EXPECT_EQ(r->movesList()[i].block, q->movesList()[i].block);
        EXPECT_EQ(r->movesList()[i].direction, q->movesList()[i].direction);
        EXPECT_EQ(r->movesList()[i].dirSet, q->movesList()[i].dirSet);
    }
    EXPECT_EQ(r->boardKey(), q->boardKey());
    EXPECT_EQ(r->counters().trialMoves, q->counters().trialMoves);
    EXPECT_EQ(r->counters().backwardHits, q->counters().backwardHits);
    EXPECT_EQ(r->forwardLength(), q->forwardLength());
}

TEST(Solver, BudgetZeroTriesNothing) {
    auto p = SearchReady(150);
    EXPECT_EQ(p->SearchStep(0), kBudgetSpent);
    EXPECT_EQ(p->counters().trialMoves, 0u);
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->lastMove(), 0);
}

TEST(Solver, FurtherCallsAfterTheEnd) {
    // Exhausted: a further call ends at once, the start's candidates refused.
    auto p = SearchReady(100);
    ASSERT_EQ(RunToEnd(*p, 10000), kNoSolution);
    const uint32_t trials = p->counters().trialMoves, hits = p->counters().forwardHits;
    EXPECT_EQ(p->SearchStep(10000), kNoSolution);
    EXPECT_EQ(p->counters().trialMoves - trials, 4u);
    EXPECT_EQ(p->counters().forwardHits - hits, 4u);
    EXPECT_EQ(p->moveNr(), 1);

    // Solved: the search is not over; a further call goes on from the solved
    // position, records its whole budget, and its board stays its line's.
    auto q = SearchReady(150);
    ASSERT_EQ(RunToEnd(*q, 10000), kSolved);
    EXPECT_EQ(q->SearchStep(10000), kBudgetSpent);
    Board board(PuzzleDef::Classic());
    EXPECT_TRUE(Replay(*q, q->moveNr() - 1, board));
}

namespace trulp {
// Fills the forward bucket of the start position with keys no position has.
struct PuzzleTestAccess {
    static void FillStartBucket(Puzzle& p) {
        for (uint32_t i = 1; i <= kBucketCapacity; ++i) {
            BoardKey k = p.boardKey();
            std::memcpy(k.anchors + 20, &i, sizeof i); // slots past the ten blocks
            p.history_.forward.ForwardStore(PositionKey::Of(k, 0), 50);
        }
    }
};
} // namespace trulp

TEST(Solver, FullBucketEndsTheSearchWithABoardThatAgrees) {
    auto p = SearchReady(150);
    PuzzleTestAccess::FillStartBucket(*p);
    EXPECT_EQ(p->history().forward.count(0), kBucketCapacity);

    const uint8_t result = RunToEnd(*p, 10000);
    EXPECT_EQ(result, kNoSolution);
    // The pending move was taken back: the list and the board are the line
    // up to moveNr - 1, and the key and the stacks agree with it.
    EXPECT_GT(p->moveNr(), 1);
    EXPECT_EQ(p->lastMove(), p->moveNr() - 1);
    Board board(PuzzleDef::Classic());
    ASSERT_TRUE(Replay(*p, p->moveNr() - 1, board));
    for (int b = 1; b <= kBlocks; ++b)
        EXPECT_EQ(p->board().anchor(b), board.anchor(b));
    EXPECT_EQ(p->boardKey(), board.boardKey());
    // One push per field a move of the line left or entered.
    int pushes = 0;
    for (int f = 0; f < kFields; ++f)
        pushes += p->history().stacks.pointer(f);
    int changed = 0;
    Board walk(PuzzleDef::Classic());
    for (int i = 1; i < p->moveNr(); ++i) {
        const FieldSet before = walk.PieceMask(p->movesList()[i].block);
        walk.ApplyStep(p->movesList()[i].block, p->movesList()[i].direction);
        changed += FieldCount(before ^ walk.PieceMask(p->movesList()[i].block));
    }
    EXPECT_EQ(pushes, changed);
    // A further call meets the full bucket again and keeps the board sound.
    EXPECT_EQ(p->SearchStep(10000), kNoSolution);
    EXPECT_EQ(p->lastMove(), p->moveNr() - 1);
    Board board2(PuzzleDef::Classic());
    EXPECT_TRUE(Replay(*p, p->moveNr() - 1, board2));
}
