#include "editing/sample_image.h"

#include <cstdint>
#include <vector>

#include "channels/channel_record.h"
#include "flash/blocks.h"
#include "transponders/transponder_fields.h"
#include "transponders/transponder_record.h"

namespace chanforge::editing {

namespace {

struct Transponder {
  int mhz;
  char polarisation;  // 'H' or 'V'
  std::uint16_t tid;
  std::uint16_t nid;
  std::uint8_t symbol_rate_code;
  std::uint8_t fec;  // 0 = 1/2 ... 3 = 4/5
  bool input_b;      // the second LNB of a monoblock
};

struct Channel {
  const char* name;
  int transponder;  // 1-based position in the transponder list
  std::uint16_t sid, vpid, apid, pcr;
};

// Free-to-air transponders as published in the usual satellite listings.
const std::vector<Transponder> kTransponders = {
    {10744, 'H', 1051, 1, 0x16, 2, false},  {10773, 'H', 1053, 1, 0x16, 2, false},
    {10832, 'H', 1057, 1, 0x16, 1, false},  {10921, 'H', 1019, 1, 0x16, 2, false},
    {10964, 'H', 1019, 1, 0x16, 1, false},  {10994, 'H', 1021, 1, 0x16, 3, false},
    {11023, 'H', 1023, 1, 0x16, 3, false},  {11038, 'V', 1024, 1, 0x16, 2, false},
    {11053, 'H', 1025, 1, 0x16, 1, false},  {11097, 'V', 1027, 1, 0x16, 2, false},
    {11244, 'H', 1035, 1, 0x16, 1, false},  {11303, 'H', 1039, 1, 0x16, 1, false},
    {11362, 'H', 1011, 1, 0x16, 1, false},  {11391, 'H', 1013, 1, 0x16, 1, false},
    {11420, 'H', 1015, 1, 0x16, 1, false},  {11494, 'H', 1019, 1, 0x16, 1, false},
    {11523, 'H', 1021, 1, 0x16, 3, false},  {11597, 'V', 1026, 1, 0x16, 2, false},
    {11612, 'H', 1027, 1, 0x16, 2, false},  {11719, 'H', 1045, 1, 0x1B, 1, false},
    {11739, 'V', 1046, 1, 0x1B, 2, false},  {11778, 'V', 1048, 1, 0x1B, 2, false},
    {11836, 'H', 1101, 1, 0x1B, 2, false},  {11954, 'H', 1079, 1, 0x1B, 2, false},
    {11973, 'V', 1080, 1, 0x1B, 2, false},  {12031, 'H', 1083, 1, 0x1B, 2, false},
    {12109, 'H', 1087, 1, 0x1B, 2, false},  {12148, 'H', 1089, 1, 0x1B, 2, false},
    {12188, 'H', 1089, 1, 0x1B, 2, false},  {12226, 'H', 1091, 1, 0x1B, 2, false},
    {12266, 'H', 1093, 1, 0x1B, 2, false},  {12422, 'H', 1101, 1, 0x1B, 2, false},
    {12460, 'H', 1103, 1, 0x1B, 2, false},  {12545, 'H', 1107, 1, 0x16, 3, false},
    {12574, 'H', 1109, 1, 0x16, 3, false},  {12604, 'H', 1111, 1, 0x16, 3, false},
    {12633, 'H', 1113, 1, 0x16, 3, false},  {11766, 'V', 12400, 318, 0x1B, 1, true},
    {11804, 'V', 1600, 318, 0x1B, 1, true}, {12597, 'V', 12800, 318, 0x1B, 2, true},
};

const std::vector<Channel> kChannels = {
    {"Das Erste", 23, 28106, 101, 102, 101},
    {"BR Fernsehen Sued", 23, 28107, 201, 202, 201},
    {"hr-fernsehen", 23, 28108, 301, 302, 301},
    {"arte", 23, 28109, 401, 402, 401},
    {"SWR Fernsehen BW", 23, 28113, 801, 802, 801},
    {"WDR Koeln", 23, 28111, 601, 602, 601},
    {"ZDF", 24, 28006, 110, 120, 110},
    {"3sat", 24, 28007, 210, 220, 210},
    {"KiKA", 24, 28008, 310, 320, 310},
    {"ZDFinfo", 24, 28011, 610, 620, 610},
    {"zdf_neo", 24, 28014, 660, 670, 660},
    {"tagesschau24", 27, 28721, 101, 102, 101},
    {"ONE", 27, 28722, 201, 202, 201},
    {"ARD-alpha", 27, 28487, 1401, 1402, 1401},
    {"phoenix", 27, 28725, 501, 502, 501},
    {"RTL Television", 29, 12003, 163, 104, 163},
    {"RTL2", 29, 12020, 166, 128, 166},
    {"SUPER RTL", 29, 12040, 165, 120, 165},
    {"VOX", 29, 12060, 167, 136, 167},
    {"n-tv", 28, 12090, 169, 73, 169},
    {"NITRO", 28, 12061, 168, 137, 168},
    {"ProSieben", 34, 17501, 511, 512, 511},
    {"SAT.1", 34, 17500, 255, 256, 255},
    {"kabel eins", 34, 17502, 767, 768, 767},
    {"SIXX", 34, 776, 1023, 1024, 1023},
    {"SAT.1 Gold", 34, 17504, 1535, 1536, 1535},
    {"ProSieben MAXX", 34, 17505, 1279, 1280, 1279},
    {"WELT", 35, 12662, 225, 226, 225},
    {"DMAX", 35, 63, 3327, 3328, 3327},
    {"TLC", 35, 14501, 1791, 1792, 1791},
    {"Tele 5", 35, 51, 1535, 1536, 1535},
    {"Eurosport 1", 9, 31200, 101, 102, 101},
    {"SPORT1", 9, 900, 1023, 1024, 1023},
    {"Comedy Central", 9, 28676, 1023, 1024, 1023},
    {"NDR FS NDS", 1, 28226, 2601, 2602, 2601},
    {"NDR FS HH", 1, 28227, 2611, 2612, 2611},
    {"MDR Sachsen", 1, 28228, 2901, 2902, 2901},
    {"MDR S-Anhalt", 1, 28229, 2911, 2912, 2911},
    {"MDR Thueringen", 1, 28230, 2921, 2922, 2921},
    {"rbb Berlin", 1, 28205, 601, 602, 601},
    {"rbb Brandenburg", 1, 28206, 611, 612, 611},
    {"SR Fernsehen", 2, 28486, 1301, 1302, 1301},
    {"Radio Bremen TV", 2, 28385, 1201, 1202, 1201},
    {"SWR Fernsehen RP", 2, 28231, 3101, 3102, 3101},
    {"BR Fernsehen Nord", 2, 28110, 501, 502, 501},
    {"WDR Aachen", 3, 28531, 3201, 3202, 3201},
    {"WDR Bielefeld", 3, 28532, 3211, 3212, 3211},
    {"WDR Dortmund", 3, 28533, 3221, 3222, 3221},
    {"WDR Duisburg", 3, 28534, 3231, 3232, 3231},
    {"WDR Essen", 3, 28535, 3241, 3242, 3241},
    {"WDR Muenster", 3, 28536, 3251, 3252, 3251},
    {"WDR Siegen", 3, 28537, 3261, 3262, 3261},
    {"WDR Wuppertal", 3, 28538, 3271, 3272, 3271},
    {"WDR Bonn", 3, 28539, 3281, 3282, 3281},
    {"Das Erste HD", 16, 10301, 5101, 5102, 5101},
    {"arte HD", 16, 10302, 5111, 5112, 5111},
    {"SWR BW HD", 16, 10303, 5121, 5122, 5121},
    {"ONE HD", 16, 10304, 5131, 5132, 5131},
    {"ZDF HD", 13, 11110, 6110, 6120, 6110},
    {"3sat HD", 13, 11150, 6510, 6520, 6510},
    {"KiKA HD", 13, 11160, 6610, 6620, 6610},
    {"ZDFinfo HD", 13, 11170, 6710, 6720, 6710},
    {"zdf_neo HD", 13, 11130, 6310, 6320, 6310},
    {"phoenix HD", 14, 10331, 5331, 5332, 5331},
    {"tagesschau24 HD", 14, 10333, 5351, 5352, 5351},
    {"ARD-alpha HD", 14, 10334, 5361, 5362, 5361},
    {"BR Sued HD", 14, 10325, 5251, 5252, 5251},
    {"BR Nord HD", 14, 10326, 5261, 5262, 5261},
    {"hr-fernsehen HD", 15, 10355, 5551, 5552, 5551},
    {"MDR Sachsen HD", 15, 10351, 5511, 5512, 5511},
    {"NDR NDS HD", 15, 10361, 5611, 5612, 5611},
    {"rbb Berlin HD", 15, 10371, 5711, 5712, 5711},
    {"SR HD", 15, 10381, 5811, 5812, 5811},
    {"WDR HD Koeln", 17, 28325, 5201, 5202, 5201},
    {"Radio Bremen HD", 17, 28385, 5211, 5212, 5211},
    {"ServusTV HD", 17, 4913, 2101, 2102, 2101},
    {"ServusTV Oe", 17, 4914, 2111, 2112, 2111},
    {"ORF2E", 17, 13101, 1010, 1011, 1010},
    {"ORF III", 17, 13102, 1020, 1021, 1020},
    {"Bibel TV", 8, 12122, 1701, 1702, 1701},
    {"K-TV", 8, 12123, 1711, 1712, 1711},
    {"EWTN", 8, 12124, 1721, 1722, 1721},
    {"DW English", 8, 62, 1731, 1732, 1731},
    {"QVC", 11, 12100, 1081, 1082, 1081},
    {"HSE", 11, 40, 1091, 1092, 1091},
    {"1-2-3.tv", 11, 12101, 1101, 1102, 1101},
    {"Channel21", 11, 12102, 1111, 1112, 1111},
    {"CNN Int.", 12, 28522, 165, 100, 165},
    {"Euronews", 12, 28523, 2221, 2222, 2221},
    {"France 24 En", 12, 28524, 2231, 2232, 2231},
    {"France 24 Fr", 12, 28525, 2241, 2242, 2241},
    {"TV5MONDE", 12, 28526, 2251, 2252, 2251},
    {"Al Jazeera Eng", 12, 28527, 2261, 2262, 2261},
    {"CGTN", 12, 28528, 2271, 2272, 2271},
    {"NHK World", 12, 28529, 2281, 2282, 2281},
    {"RTL HD Demo", 30, 61200, 255, 256, 255},
    {"Anixe HD", 30, 61201, 511, 512, 511},
    {"Anixe+", 30, 61202, 521, 522, 521},
    {"Sonnenklar.TV", 31, 61300, 1501, 1502, 1501},
    {"Deluxe Music", 31, 61301, 1511, 1512, 1511},
    {"MTV Germany", 31, 61302, 1521, 1522, 1521},
    {"Disney Channel", 31, 61303, 1531, 1532, 1531},
    {"Kabel 1 Doku", 32, 61400, 1601, 1602, 1601},
    {"RTLup", 32, 61401, 1611, 1612, 1611},
    {"Super RTL A", 32, 61402, 1621, 1622, 1621},
    {"RTL Austria", 32, 61403, 1631, 1632, 1631},
    {"VOX Austria", 32, 61404, 1641, 1642, 1641},
    {"ProSieben A", 33, 61500, 1701, 1702, 1701},
    {"SAT.1 A", 33, 61501, 1711, 1712, 1711},
    {"kabel eins A", 33, 61502, 1721, 1722, 1721},
    {"PULS 24", 33, 61503, 1731, 1732, 1731},
    {"ATV", 33, 61504, 1741, 1742, 1741},
    {"Folx TV", 36, 61600, 1801, 1802, 1801},
    {"Schlager TV", 36, 61601, 1811, 1812, 1811},
    {"Genius plus", 36, 61602, 1821, 1822, 1821},
    {"a.tv", 36, 61603, 1831, 1832, 1831},
    {"Welt der Wunder", 37, 61700, 1901, 1902, 1901},
    {"Bloomberg", 37, 61701, 1911, 1912, 1911},
    {"TRT World", 37, 61702, 1921, 1922, 1921},
    {"Arirang", 37, 61703, 1931, 1932, 1931},
    {"Rai 1", 38, 3401, 512, 650, 512},
    {"Rai 2", 38, 3402, 513, 651, 513},
    {"Rai 3", 38, 3403, 514, 652, 514},
    {"Rai News 24", 39, 8714, 520, 660, 520},
    {"Rai Scuola", 39, 8715, 521, 661, 521},
    {"Rai Storia", 39, 8716, 522, 662, 522},
    {"TV5MONDE Europe", 40, 12801, 1601, 1602, 1601},
    {"Euronews It", 40, 12802, 1611, 1612, 1611},
    {"France 24 Ar", 40, 12803, 1621, 1622, 1621},
    {"Bayern 1", 23, 28400, 0, 2221, 0},
    {"Bayern 2", 23, 28401, 0, 2222, 0},
    {"BR-KLASSIK", 23, 28402, 0, 2223, 0},
    {"B5 aktuell", 23, 28403, 0, 2224, 0},
    {"hr1", 26, 28419, 0, 2321, 0},
    {"hr2", 26, 28420, 0, 2322, 0},
    {"hr3", 26, 28421, 0, 2323, 0},
    {"Dlf", 26, 28012, 0, 2331, 0},
    {"Dlf Kultur", 26, 28013, 0, 2332, 0},
    {"SWR1 BW", 25, 28423, 0, 2421, 0},
    {"SWR3", 25, 28425, 0, 2423, 0},
    {"WDR 2", 25, 28476, 0, 2431, 0},
    {"1LIVE", 25, 28475, 0, 2432, 0},
    {"NDR 2", 25, 28437, 0, 2441, 0},
    {"N-JOY", 25, 28439, 0, 2442, 0},
    {"radioeins", 19, 28441, 0, 2451, 0},
    {"Fritz", 19, 28442, 0, 2452, 0},
    {"MDR JUMP", 19, 28443, 0, 2461, 0},
    {"Antenne Bayern", 19, 28444, 0, 2471, 0},
    {"Klassik Radio", 19, 28445, 0, 2481, 0},
    {"Radio Horeb", 19, 28446, 0, 2491, 0},
};

std::string TransponderList() {
  std::string list;
  for (const Transponder& t : kTransponders) {
    const std::int64_t khz = std::int64_t{t.mhz} * 1000;
    const bool upper = transponders::UpperBandOf(khz);
    transponders::TransponderRecord record;
    record.frequency = static_cast<std::uint32_t>(transponders::IntermediateHz(khz, upper));
    record.tid = t.tid;
    record.nid = t.nid;
    record.chn = static_cast<std::uint8_t>(0x10 + list.size() / transponders::kTptRecordSize);
    record.sr = t.symbol_rate_code;
    record.fec = t.fec;
    record.flags = upper ? transponders::kFlagUpperBand : 0;
    if (t.polarisation == 'H') record.flags |= transponders::kFlagHorizontal;
    if (t.input_b) record.flags |= transponders::kFlagDiseqcB;
    list += record.Encode();
  }
  list.resize(transponders::kTptFileMinimumSize, '\0');
  return list;
}

std::string ChannelList() {
  std::string list;
  for (const Channel& c : kChannels) {
    channels::ChannelRecord record;
    std::string_view(c.name)
        .substr(0, record.name.size())
        .copy(record.name.data(), record.name.size());
    record.use = c.vpid == 0 ? 0x08 : 0x04;  // radio or television
    record.tp = static_cast<std::uint8_t>(c.transponder);
    record.words = {c.sid, c.vpid, c.apid, 0, 0, c.pcr};
    list += record.Encode();
  }
  return list;
}

}  // namespace

std::string MakeSampleImage() {
  flash::FlashImage image{
      std::string(static_cast<std::size_t>(common::kBlockSize) * flash::kBlockCount, '\xFF'), {}};
  flash::PutBlock(image, 0, "TCS", ChannelList());
  flash::PutBlock(image, 1, "TPT", TransponderList());
  flash::PutBlock(image, 2, "CFG", std::string(64, '\0'));
  flash::PutBlock(image, 3, "LOGO", std::string(2048, '\x55'));
  flash::PutBlock(image, 5, "EPG", "");
  return image.owned;
}

}  // namespace chanforge::editing
