#pragma once
// Constants of the fast sine, cosine and arctangent, printed by
// tools/fast_trig_constants.cpp; do not edit by hand.

namespace kvarn::trig {

// 2/pi, and pi/2 = kPio2Part1 + kPio2Part2 + kPio2Part3 + kPio2Part4: the
// first three have 40 significant bits, so that k * part is exact for
// |k| < 2^24.
inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1; // picks k only
inline constexpr double kPio2Part1 = 0x1.921fb54442p+0;
inline constexpr double kPio2Part2 = 0x1.a308d3131ap-41;
inline constexpr double kPio2Part3 = -0x1.d747f23e32p-83;
inline constexpr double kPio2Part4 = -0x1.dadfb63eeeb3p-124;
// |pi/2 - sum of the parts| = 2^-177.3
// Closest approach of an extended x to a nonzero multiple of pi/2, by
// continued fractions:
// pi/4 <= |x| < 2^24: |x - k pi/2| >= 2^-67.21 (binade 2^9).
// 2^24 <= |x| <= LDBL_MAX: |x - k pi/2| >= 2^-75.54 (binade 2^10594).

// (sin r - r) / r^3 with z = r^2 on z in [0, 0.616852]; max relative error 2^-74.1.
inline constexpr double kSinPoly0 = -0x1.5555555555555p-3;
inline constexpr double kSinPoly0Lo = -0x1.5555418802fb6p-57;
inline constexpr double kSinPoly1 = 0x1.1111111111111p-7;
inline constexpr double kSinPoly1Lo = 0x1.0e6d4ba22b7cp-63;
inline constexpr double kSinPoly2 = -0x1.a01a01a01a019p-13;
inline constexpr double kSinPoly2Lo = 0x1.7ab3e5005fbacp-67;
inline constexpr double kSinPoly3 = 0x1.71de3a556c2c1p-19;
inline constexpr double kSinPoly4 = -0x1.ae64567e72135p-26;
inline constexpr double kSinPoly5 = 0x1.61245fb3c642ap-33;
inline constexpr double kSinPoly6 = -0x1.ae7c525271c4bp-41;
inline constexpr double kSinPoly7 = 0x1.92420d3844df6p-49;

// (cos r - 1 + r^2/2) / r^4 with z = r^2 on z in [0, 0.616852]; max relative error 2^-76.1.
inline constexpr double kCosPoly0 = 0x1.5555555555555p-5;
inline constexpr double kCosPoly0Lo = 0x1.555553653cc5ap-59;
inline constexpr double kCosPoly1 = -0x1.6c16c16c16c17p-10;
inline constexpr double kCosPoly1Lo = 0x1.f523b437d1868p-65;
inline constexpr double kCosPoly2 = 0x1.a01a01a01a019p-16;
inline constexpr double kCosPoly2Lo = 0x1.d641dc6ea348ep-70;
inline constexpr double kCosPoly3 = -0x1.27e4fb7789d96p-22;
inline constexpr double kCosPoly4 = 0x1.1eed8eff33256p-29;
inline constexpr double kCosPoly5 = -0x1.93974953a0e3bp-37;
inline constexpr double kCosPoly6 = 0x1.ae7ce81ac6c52p-45;
inline constexpr double kCosPoly7 = -0x1.65d264cc67f07p-53;

// Arctangent table: entry 0 for t < 2^-5, entries 1 + 8 (e + 5) + m for
// t in [2^e (1 + m/8), 2^e (1 + (m+1)/8)), e = -5..4, and entry 81 for
// t >= 2^5. atan t = hi + lo + atan((alpha t - beta) / (alpha + beta t)).
struct AtanEntry {
    long double hi;
    double lo;
    double alpha;
    double beta;
};
inline constexpr AtanEntry kAtanTable[82] = {
    {0.0L, 0.0, 1.0, 0.0},
    {0x8.7f336d4dca76eeap-8L, -0x1.39df53ac5d3a9p-70, 1.0, 0x1.1p-5},
    {0x9.7ee271b9beee5c3p-8L, 0x1.0de397a2fe0d2p-70, 1.0, 0x1.3p-5},
    {0xa.7e7e8396ffbcadbp-8L, 0x1.6fb0e341df415p-73, 1.0, 0x1.5p-5},
    {0xb.7e05a793eadd844p-8L, 0x1.9ab07e9c00921p-70, 1.0, 0x1.7p-5},
    {0xc.7d75e358bd5d35cp-8L, -0x1.71866e50d24fcp-72, 1.0, 0x1.9p-5},
    {0xd.7ccd3d9eea17b4fp-8L, -0x1.4802aa43c93a5p-70, 1.0, 0x1.bp-5},
    {0xe.7c09be4850bbbc1p-8L, -0x1.4c53487ce0946p-70, 1.0, 0x1.dp-5},
    {0xf.7b296e76526df59p-8L, -0x1.622df1d4c45c8p-70, 1.0, 0x1.fp-5},
    {0x8.7ccf538ea9537b8p-7L, -0x1.a7fbb0d893b73p-71, 1.0, 0x1.1p-4},
    {0x9.7b8c98c5254d014p-7L, -0x1.7443233ff068dp-74, 1.0, 0x1.3p-4},
    {0xa.79feb3b9497d901p-7L, -0x1.cb2766da189a2p-69, 1.0, 0x1.5p-4},
    {0xb.781dee75258676p-7L, 0x1.fe35da0bd06cp-69, 1.0, 0x1.7p-4},
    {0xc.75e2a23c7d94173p-7L, 0x1.4406569265d43p-70, 1.0, 0x1.9p-4},
    {0xd.734538e3915c1cp-7L, 0x1.4e6910b9db72ep-71, 1.0, 0x1.bp-4},
    {0xe.703e2e1e6519114p-7L, -0x1.c66f69b9d65aep-69, 1.0, 0x1.dp-4},
    {0xf.6cc610c8021d7b1p-7L, 0x1.a67a6d384ed53p-69, 1.0, 0x1.fp-4},
    {0x8.7356e67a0440c52p-6L, -0x1.a31bb98d0d38dp-69, 1.0, 0x1.1p-3},
    {0x9.6e5ed97dd0ff98fp-6L, 0x1.4382ab0a9a2ap-69, 1.0, 0x1.3p-3},
    {0xa.6843d4ed278ba3ep-6L, 0x1.91f8d6f8abcc2p-68, 1.0, 0x1.5p-3},
    {0xb.60ea44c499ec6d7p-6L, -0x1.529d80f109ab6p-68, 1.0, 0x1.7p-3},
    {0xc.58377143ce145ddp-6L, -0x1.9a6061189e835p-70, 1.0, 0x1.9p-3},
    {0xd.4e118da0193ca1dp-6L, 0x1.77d139950aa1dp-70, 1.0, 0x1.bp-3},
    {0xe.425fc53a1736e6ap-6L, 0x1.08be5f45766d5p-68, 1.0, 0x1.dp-3},
    {0xf.350a474b7626b0dp-6L, -0x1.4ddfd6089afccp-69, 1.0, 0x1.fp-3},
    {0x8.4ee2cbec31b12c6p-5L, -0x1.b8c6f3479aa16p-68, 1.0, 0x1.1p-2},
    {0x9.3c1b902bf7a2df1p-5L, 0x1.9164901bf8512p-71, 1.0, 0x1.3p-2},
    {0xa.25521b615784d45p-5L, 0x1.0de1d52622e36p-67, 1.0, 0x1.5p-2},
    {0xb.0a420184e7f0cb2p-5L, -0x1.2b8ab88f7fd7cp-67, 1.0, 0x1.7p-2},
    {0xb.eab025b1d9fbad4p-5L, -0x1.bbd1ea6db2fbcp-67, 1.0, 0x1.9p-2},
    {0xc.c66aa2a6b58c33dp-5L, -0x1.367702f589324p-68, 1.0, 0x1.bp-2},
    {0xd.9d488ed32e3635cp-5L, 0x1.87b1ca504031ap-68, 1.0, 0x1.dp-2},
    {0xe.6f29a19609a84bap-5L, 0x1.82ddf38729b71p-67, 1.0, 0x1.fp-2},
    {0xf.a06e85aa0a0be5cp-5L, 0x1.9b48f1f57723bp-67, 1.0, 0x1.1p-1},
    {0x8.92aecdfde9547b5p-4L, 0x1.288f1f88e5696p-69, 1.0, 0x1.3p-1},
    {0x9.4ac72c9847186f6p-4L, 0x1.8c4f393f78a33p-68, 1.0, 0x1.5p-1},
    {0x9.f89fdc4f4b7a1edp-4L, -0x1.d2db66ec3e3f9p-70, 1.0, 0x1.7p-1},
    {0xa.9c7abdc4830f5c9p-4L, -0x1.ba55ed29061b3p-66, 1.0, 0x1.9p-1},
    {0xb.36b31c91f043691p-4L, 0x1.640505d1118bep-66, 1.0, 0x1.bp-1},
    {0xb.c7b5deae98af281p-4L, -0x1.5f767fc8bf827p-67, 1.0, 0x1.dp-1},
    {0xc.4ffaffabf8fbd55p-4L, -0x1.cd2f0bbd0d87fp-66, 1.0, 0x1.fp-1},
    {0xd.0d12f9641282f3ap-4L, 0x1.6793ddcfa08c7p-66, 1.0, 0x1.1p+0},
    {0xd.ef3876a1cff365dp-4L, 0x1.2a7234fe84367p-66, 1.0, 0x1.3p+0},
    {0xe.b72be7a78564d14p-4L, -0x1.dca2b5733715bp-66, 1.0, 0x1.5p+0},
    {0xf.686cbe4820e47b6p-4L, 0x1.d61c4a25b6feap-66, 1.0, 0x1.7p+0},
    {0x8.0309971a6b0bb67p-3L, -0x1.e102bcb93648dp-65, 1.0, 0x1.9p+0},
    {0x8.4967238c29e6127p-3L, -0x1.8193077fcf91p-65, 1.0, 0x1.bp+0},
    {0x8.8875803f9cfb5dbp-3L, -0x1.97fc2f2a80207p-65, 1.0, 0x1.dp+0},
    {0x8.c12f83a0186c7cdp-3L, 0x1.6e07a87962575p-65, 1.0, 0x1.fp+0},
    {0x9.0c3179fd6f1b291p-3L, 0x1.d8a35a1d20441p-68, 1.0, 0x1.1p+1},
    {0x9.60d120eb36e1b05p-3L, 0x1.96ac5b5474462p-65, 1.0, 0x1.3p+1},
    {0x9.a78fdd8cf584981p-3L, -0x1.4325984f156cbp-66, 1.0, 0x1.5p+1},
    {0x9.e3732859c023ad7p-3L, -0x1.c4ca718b93064p-66, 1.0, 0x1.7p+1},
    {0xa.16b8208fcf6092bp-3L, 0x1.1b6fe2112c00bp-68, 1.0, 0x1.9p+1},
    {0xa.430da67df387faap-3L, 0x1.82c2da6cd2f42p-65, 1.0, 0x1.bp+1},
    {0xa.69bc60cccd0678ep-3L, -0x1.5e98e550721c4p-67, 1.0, 0x1.dp+1},
    {0xa.8bc27d0aa25cdb9p-3L, 0x1.1c37a83fe73efp-66, 1.0, 0x1.fp+1},
    {0xa.b7b799d1f35371p-3L, 0x1.224521c278939p-65, 1.0, 0x1.1p+2},
    {0xa.e809e20d6d5ebfp-3L, 0x1.5dd0ca6eae87ap-65, 1.0, 0x1.3p+2},
    {0xb.0f83635495c46b8p-3L, -0x1.f542f3ac69441p-65, 1.0, 0x1.5p+2},
    {0xb.30581639b502f2ap-3L, -0x1.6d5f666541da7p-65, 1.0, 0x1.7p+2},
    {0xb.4c109d4ea82948dp-3L, -0x1.c8428c4f19939p-69, 1.0, 0x1.9p+2},
    {0xb.63c63f6f58cab24p-3L, 0x1.cd6b107ff0d87p-65, 1.0, 0x1.bp+2},
    {0xb.784783a1aff5e6bp-3L, -0x1.e9c5c37c058c4p-65, 1.0, 0x1.dp+2},
    {0xb.8a2f56104451c05p-3L, -0x1.2bcbd99505a14p-65, 1.0, 0x1.fp+2},
    {0xb.a126f4822a69d8bp-3L, 0x1.45cfa3cb425a7p-67, 1.0, 0x1.1p+3},
    {0xb.ba33f1b27b0048p-3L, 0x1.2dd8656424343p-65, 1.0, 0x1.3p+3},
    {0xb.ce879fd68e49138p-3L, 0x1.c9f713edf4229p-65, 1.0, 0x1.5p+3},
    {0xb.df59cb62b4ccec2p-3L, 0x1.b4b1c0ee4d521p-66, 1.0, 0x1.7p+3},
    {0xb.ed7fc2d3182c23ep-3L, -0x1.643357b14e2ebp-66, 1.0, 0x1.9p+3},
    {0xb.f990507cfac389cp-3L, 0x1.b764126ca0392p-65, 1.0, 0x1.bp+3},
    {0xc.03f90894c3e3a2fp-3L, 0x1.c8e9d918cbb3ep-67, 1.0, 0x1.dp+3},
    {0xc.0d0b721f8c85433p-3L, -0x1.83999c1d69f06p-65, 1.0, 0x1.fp+3},
    {0xc.18a8b119fab050ep-3L, -0x1.3fff62fcee05cp-65, 1.0, 0x1.1p+4},
    {0xc.254cff128c35a93p-3L, -0x1.9bcf317a2215bp-65, 1.0, 0x1.3p+4},
    {0xc.2f8a6a1ec0df038p-3L, -0x1.e23d625414288p-68, 1.0, 0x1.5p+4},
    {0xc.3800e1ac9469c97p-3L, -0x1.d43056d39420ep-65, 1.0, 0x1.7p+4},
    {0xc.3f1d51943c56ccap-3L, -0x1.c787778d9d3ecp-67, 1.0, 0x1.9p+4},
    {0xc.452c764a4e8a361p-3L, -0x1.77845f2a50409p-67, 1.0, 0x1.bp+4},
    {0xc.4a65edb5f6fdffp-3L, 0x1.2b9a8328ffea3p-70, 1.0, 0x1.dp+4},
    {0xc.4ef302d66dd943bp-3L, -0x1.62b875602121dp-65, 1.0, 0x1.fp+4},
    {0xc.90fdaa22168c235p-3L, -0x1.d9cceba3f91f2p-66, 0.0, 1.0},
};
// The reduced argument stays within |u| <= 0.031250.

// (atan u - u) / u^3 with z = u^2 on z in [0, 0.000977539]; max relative error 2^-61.1.
inline constexpr double kAtanPoly0 = -0x1.5555555555555p-2;
inline constexpr double kAtanPoly0Lo = -0x1.52da62c8baf94p-56;
inline constexpr double kAtanPoly1 = 0x1.99999999998a3p-3;
inline constexpr double kAtanPoly2 = -0x1.24924922a5895p-3;
inline constexpr double kAtanPoly3 = 0x1.c71c46b1d0dbcp-4;
inline constexpr double kAtanPoly4 = -0x1.73983e998ff9bp-4;

// 2/pi in binary, 64 bits to a word, the first word holding the weights
// 2^-1 .. 2^-64.
inline constexpr unsigned long long kTwoOverPiBits[262] = {
    0xa2f9836e4e441529ULL, 0xfc2757d1f534ddc0ULL, 0xdb6295993c439041ULL, 0xfe5163abdebbc561ULL,
    0xb7246e3a424dd2e0ULL, 0x06492eea09d1921cULL, 0xfe1deb1cb129a73eULL, 0xe88235f52ebb4484ULL,
    0xe99c7026b45f7e41ULL, 0x3991d639835339f4ULL, 0x9c845f8bbdf9283bULL, 0x1ff897ffde05980fULL,
    0xef2f118b5a0a6d1fULL, 0x6d367ecf27cb09b7ULL, 0x4f463f669e5fea2dULL, 0x7527bac7ebe5f17bULL,
    0x3d0739f78a5292eaULL, 0x6bfb5fb11f8d5d08ULL, 0x56033046fc7b6babULL, 0xf0cfbc209af4361dULL,
    0xa9e391615ee61b08ULL, 0x6599855f14a06840ULL, 0x8dffd8804d732731ULL, 0x06061556ca73a8c9ULL,
    0x60e27bc08c6b47c4ULL, 0x19c367cddce8092aULL, 0x8359c4768b961ca6ULL, 0xddaf44d15719053eULL,
    0xa5ff07053f7e33e8ULL, 0x32c2de4f98327dbbULL, 0xc33d26ef6b1e5ef8ULL, 0x9f3a1f35caf27f1dULL,
    0x87f121907c7c246aULL, 0xfa6ed5772d30433bULL, 0x15c614b59d19c3c2ULL, 0xc4ad414d2c5d000cULL,
    0x467d862d71e39ac6ULL, 0x9b0062337cd2b497ULL, 0xa7b4d55537f63ed7ULL, 0x1810a3fc764d2a9dULL,
    0x64abd770f87c6357ULL, 0xb07ae715175649c0ULL, 0xd9d63b3884a7cb23ULL, 0x24778ad623545ab9ULL,
    0x1f001b0af1dfce19ULL, 0xff319f6a1e666157ULL, 0x9947fbacd87f7eb7ULL, 0x652289e83260bfe6ULL,
    0xcdc4ef09366cd43fULL, 0x5dd7de16de3b5892ULL, 0x9bde2822d2e88628ULL, 0x4d58e232cac616e3ULL,
    0x08cb7de050c017a7ULL, 0x1df35be01834132eULL, 0x6212830148835b8eULL, 0xf57fb0adf2e91e43ULL,
    0x4a48d36710d8ddaaULL, 0x425faece616aa428ULL, 0x0ab499d3f2a6067fULL, 0x775c83c2a3883c61ULL,
    0x78738a5a8cafbdd7ULL, 0x6f63a62dcbbff4efULL, 0x818d67c12645ca55ULL, 0x36d9cad2a8288d61ULL,
    0xc277c9121426049bULL, 0x4612c459c444c5c8ULL, 0x91b24df31700ad43ULL, 0xd4e5492910d5fdfcULL,
    0xbe00cc941eeece70ULL, 0xf53e1380f1ecc3e7ULL, 0xb328f8c79405933eULL, 0x71c1b3092ef3450bULL,
    0x9c12887b20ab9fb5ULL, 0x2ec292472f327b6dULL, 0x550c90a7721fe76bULL, 0x96cb314a1679e279ULL,
    0x4189dff49794e884ULL, 0xe6e29731996bed88ULL, 0x365f5f0efdbbb49aULL, 0x486ca46742727132ULL,
    0x5d8db8159f09e5bcULL, 0x25318d3974f71c05ULL, 0x30010c0d68084b58ULL, 0xee2c90aa4702e774ULL,
    0x24d6bda67df77248ULL, 0x6eef169fa6948ef6ULL, 0x91b45153d1f20acfULL, 0x3398207e4bf56863ULL,
    0xb25f3edd035d407fULL, 0x8985295255c06437ULL, 0x10d86d324832754cULL, 0x5bd4714e6e5445c1ULL,
    0x090b69f52ad56614ULL, 0x9d072750045ddb3bULL, 0xb4c576ea17f9877dULL, 0x6b49ba271d296996ULL,
    0xacccc65414ad6ae2ULL, 0x9089d98850722cbeULL, 0xa4049407777030f3ULL, 0x27fc00a871ea49c2ULL,
    0x663de06483dd9797ULL, 0x3fa3fd94438c860dULL, 0xde41319d39928c70ULL, 0xdde7b7173bdf082bULL,
    0x3715a0805c93805aULL, 0x921110d8e80faf80ULL, 0x6c4bffdb0f903876ULL, 0x185915a562bbcb61ULL,
    0xb989c7bd401004f2ULL, 0xd2277549f6b6ebbbULL, 0x22dbaa140a2f2689ULL, 0x768364333b091a94ULL,
    0x0eaa3a51c2a31daeULL, 0xedaf12265c4dc26dULL, 0x9c7a2d9756c0833fULL, 0x03f6f0098c402b99ULL,
    0x316d07b43915200cULL, 0x5bc3d8c492f54badULL, 0xc6a5ca4ecd37a736ULL, 0xa9e69492ab6842ddULL,
    0xde6319ef8c76528bULL, 0x6837dbfcaba1ae31ULL, 0x15dfa1ae00dafb0cULL, 0x664d64b705ed3065ULL,
    0x29bf56573aff47b9ULL, 0xf96af3be75df9328ULL, 0x3080abf68c6615cbULL, 0x040622fa1de4d9a4ULL,
    0xb33d8f1b5709cd36ULL, 0xe9424ea4be13b523ULL, 0x331aaaf0a8654fa5ULL, 0xc1d20f3f0bcd785bULL,
    0x76f923048b7b7217ULL, 0x8953a6c6e26e6f00ULL, 0xebef584a9bb7dac4ULL, 0xba66aacfcf761d02ULL,
    0xd12df1b1c1998c77ULL, 0xadc3da4886a05df7ULL, 0xf480c62ff0ac9aecULL, 0xddbc5c3f6dded01fULL,
    0xc790b6db2a3a25a3ULL, 0x9aaf009353ad0457ULL, 0xb6b42d297e804ba7ULL, 0x07da0eaa76a1597bULL,
    0x2a12162db7dcfde5ULL, 0xfafedb89fdbe896cULL, 0x76e4fca90670803eULL, 0x156e85ff87fd073eULL,
    0x2833676186182aeaULL, 0xbd4dafe7b36e6d8fULL, 0x3967955bbf3148d7ULL, 0x8416df30432dc735ULL,
    0x6125ce70c9b8cb30ULL, 0xfd6cbfa200a4e46cULL, 0x05a0dd5a476f21d2ULL, 0x1262845cb9496170ULL,
    0xe0566b0152993755ULL, 0x50b7d51ec4f1335fULL, 0x6e13e4305da92e85ULL, 0xc3b21d3632a1a4b7ULL,
    0x08d4b1ea21f716e4ULL, 0x698f77ff2780030cULL, 0x2d408da0cd4f99a5ULL, 0x20d3a2b30a5d2f42ULL,
    0xf9b4cbda11d0be7dULL, 0xc1db9bbd17ab81a2ULL, 0xca5c6a0817552e55ULL, 0x0027f0147f8607e1ULL,
    0x640b148d4196debeULL, 0x872afddab6256b34ULL, 0x897bfef3059ebfb9ULL, 0x4f6a68a82a4a5ac4ULL,
    0x4fbcf82d985ad795ULL, 0xc7f48d4d0da63a20ULL, 0x5f57a4b13f149538ULL, 0x800120cc86dd71b6ULL,
    0xdec9f560bf11654dULL, 0x6b0701acb08cd0c0ULL, 0xb24855510efb1ec3ULL, 0x72953b06a33540c0ULL,
    0x7bdc06cc45e0fa29ULL, 0x4ec8cad641f3e8deULL, 0x647cd8649b31bed9ULL, 0xc397a4d45877c5e3ULL,
    0x6913daf03c3aba46ULL, 0x18465f7555f5bdd2ULL, 0xc6926e5d2eaced44ULL, 0x0e423e1c87c461e9ULL,
    0xfd29f3d6e7ca7c22ULL, 0x35916fc5e0088dd7ULL, 0xffe26a6ec6fdb0c1ULL, 0x0893745d7cb2ad6bULL,
    0x9d6ecd7b723e6a11ULL, 0xc6a9cff7df7329baULL, 0xc9b55100b70db2e2ULL, 0x24ba74607de58ad8ULL,
    0x742c150d0c188194ULL, 0x667e162901767a9fULL, 0xbefdfdef4556367eULL, 0xd913d9ecb9ba8bfcULL,
    0x97c427a831c36ef1ULL, 0x36c59456a8d8b5a8ULL, 0xb40ecccf2d891234ULL, 0x576f89562ce3ce99ULL,
    0xb920d6aa5e6b9c2aULL, 0x3ecc5f114a0bfdfbULL, 0xf4e16d3b8e2c86e2ULL, 0x84d4e9a9b4fcd1eeULL,
    0xefc9352e61392f44ULL, 0x2138c8d91b0afc81ULL, 0x6a4afbd81c2f84b4ULL, 0x538c994ecc2254dcULL,
    0x552ad6c6c096190bULL, 0xb8701a649569605aULL, 0x26ee523f0f117f11ULL, 0xb5f4f5cbfc2dbc34ULL,
    0xeebc34cc5de8605eULL, 0xdd9b8e67ef3392b8ULL, 0x17c99b5861bc57e1ULL, 0xc68351103ed84871ULL,
    0xdddd1c2da118af46ULL, 0x2c21d7f359987ad9ULL, 0xc0549efa864ffc06ULL, 0x56ae79e536228922ULL,
    0xad38dc9367aae855ULL, 0x3826829be7caa40dULL, 0x51b133990ed7a948ULL, 0x0569f0b265a7887fULL,
    0x974c8836d1f9b392ULL, 0x214a827b21cf98dcULL, 0x9f405547dc3a74e1ULL, 0x42eb67df9dfe5fd4ULL,
    0x5ea4677b7aacbaa2ULL, 0xf65523882b55ba41ULL, 0x086e59862a218347ULL, 0x39e6e389d49ee540ULL,
    0xfb49e956ffca0f1cULL, 0x8a59c52bfa94c5c1ULL, 0xd3cfc50fae5adb86ULL, 0xc5476243853b8621ULL,
    0x94792c8761107b4cULL, 0x2a1a2c8012bf4390ULL, 0x2688893c78e4c4a8ULL, 0x7bdbe5c23ac4eaf4ULL,
    0x268a67f7bf920d2bULL, 0xa365b1933d0b7cbdULL, 0xdc51a463dd27dde1ULL, 0x6919949a9529a828ULL,
    0xce68b4ed09209f44ULL, 0xca984e638270237cULL, 0x7e32b90f8ef5a7e7ULL, 0x561408f1212a9db5ULL,
    0x4d7e6f5119a5abf9ULL, 0xb5d6df8261dd9602ULL, 0x36169f3ac4a1a283ULL, 0x6ded727a8d39a9b8ULL,
    0x825c326b5b2746edULL, 0x34007700d255f4fcULL, 0x4d59018071e0e13fULL, 0x89b295f364a8f1aeULL,
    0xa74b38fc4ceab2bbULL, 0x47270babc3a734baULL,
};
// pi/2 * 2^126, rounded down, as high and low word.
inline constexpr unsigned long long kPio2FixedHigh = 0x6487ed5110b4611aULL;
inline constexpr unsigned long long kPio2FixedLow = 0x62633145c06e0e68ULL;

} // namespace kvarn::trig
