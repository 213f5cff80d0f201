// Synthesized sound effects: each is a few layers of oscillators or noise, shaped by an
// envelope, a pitch sweep, a filter or a vowel formant bank, then mixed and normalised.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "pack.h"

namespace art {
namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

enum Wave { Sine, Tri, Saw, Square, Pulse, Noise, Rumble, Crackle };
enum Filt { NoFilter, LowPass, BandPass, HighPass };
enum Vowel { NoVowel = -1, VA, VE, VI, VO, VU, VAF, VOF, VCreak };

// Formant centres; the female set sits higher, the creak set gives a wooden body.
constexpr double kFormants[][3] = {
    {730, 1090, 2440}, {530, 1840, 2480}, {270, 2290, 3010}, {570, 840, 2410},
    {300, 870, 2240},  {880, 1300, 2900}, {650, 1000, 2800}, {620, 1450, 2900},
};
constexpr double kFormantGain[3] = {1.0, 0.55, 0.3};

// One layer of a sound. Frequencies sweep exponentially from the first value to the second
// (0 keeps the first); bend adds a hump in the middle. Noise ignores f0; Rumble is noise
// interpolated at f0 points per second; Crackle fires f0 random pops per second.
struct Layer {
    Wave w = Sine;
    double at = 0, len = 0.1;
    double f0 = 440, f1 = 0, bend = 0;
    double gain = 1;
    double a = 0.003, d = 0, r = -1;  // attack, decay time constant (0 none), release (-1 auto)
    Filt ft = NoFilter;
    double c0 = 1000, c1 = 0, cbend = 0, q = 0.707;
    int v0 = NoVowel, v1 = NoVowel;
    double vib = 0, vibHz = 5, trem = 0, tremHz = 0, rough = 0;
    double fmr = 0, fmi = 0;  // FM ratio and index, the index follows the envelope
    int n = 1;                // repeats
    double gap = 0, gapMul = 1, pstep = 1, gstep = 1;
    std::array<int, 8> steps{};  // semitones added per repeat
    double jit = 0, tjit = 0;    // random spread of pitch and gain, of timing
};

struct Recipe {
    const char* name;
    std::vector<Layer> layers;
};

// xorshift32: tiny, deterministic and good enough for noise.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 1u) {}
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double Uni() { return Next() * (1.0 / 4294967296.0); }  // 0..1
    double Bi() { return Uni() * 2.0 - 1.0; }                // -1..1
};

// Topology-preserving state-variable filter: stays stable for any cutoff and resonance.
struct Svf {
    double ic1 = 0, ic2 = 0;
    double Run(double x, double fc, double q, Filt mode) {
        fc = std::clamp(fc, 20.0, kRate * 0.45);
        const double g = std::tan(kPi * fc / kRate), k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
        const double v3 = x - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        if (mode == LowPass) return v2;
        if (mode == BandPass) return k * v1;
        return x - k * v1 - v2;
    }
};

double Blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

double PulseWave(double ph, double dt, double duty) {
    double v = ph < duty ? 1.0 : -1.0;
    v += Blep(ph, dt);
    v -= Blep(std::fmod(ph + 1 - duty, 1.0), dt);
    return v;
}

double Sweep(double from, double to, double bend, double u) {
    const double end = to > 0 ? to : from;
    return from * std::pow(end / from, u) * (1 + bend * std::sin(kPi * u));
}

void RenderOnce(const Layer& L, double start, double pitchMul, double gain, Rng& rng,
                std::vector<double>& out) {
    const int first = int(std::lround(start * kRate));
    const int count = int(L.len * kRate);
    const double release = L.r >= 0 ? L.r : std::min(0.08, L.len * 0.25);
    double ph = 0, mph = 0, wander = 0, wanderTarget = 0, pop = 0;
    double rPrev = rng.Bi(), rNext = rng.Bi();
    Svf filt;
    Svf formant[3];
    for (int i = 0; i < count; ++i) {
        const size_t at = size_t(first + i);
        if (at >= out.size()) break;
        const double t = double(i) / kRate, u = double(i) / count;

        double env = t < L.a ? t / L.a : (L.d > 0 ? std::exp(-(t - L.a) / L.d) : 1.0);
        if (t > L.len - release) env *= std::max(0.0, (L.len - t) / release);
        if (L.trem > 0) env *= 1 - L.trem * (0.5 - 0.5 * std::cos(2 * kPi * L.tremHz * t));

        if (L.rough > 0) {
            if (rng.Uni() < 60.0 / kRate) wanderTarget = rng.Bi();
            wander += (wanderTarget - wander) * 0.01;
        }
        double f = Sweep(L.f0, L.f1, L.bend, u) * pitchMul;
        f *= 1 + L.vib * std::sin(2 * kPi * L.vibHz * t) + L.rough * wander;
        f = std::clamp(f, 1.0, kRate * 0.45);
        const double dt = f / kRate;

        double s = 0;
        switch (L.w) {
            case Sine:
                s = std::sin(2 * kPi * ph + L.fmi * env * std::sin(2 * kPi * mph));
                break;
            case Tri: s = 4 * std::fabs(ph - 0.5) - 1; break;
            case Saw: s = 2 * ph - 1 - Blep(ph, dt); break;
            case Square: s = PulseWave(ph, dt, 0.5); break;
            case Pulse: s = PulseWave(ph, dt, 0.08); break;
            case Noise: s = rng.Bi(); break;
            case Rumble:
                if (ph + dt >= 1) rPrev = rNext, rNext = rng.Bi();
                s = rPrev + (rNext - rPrev) * (0.5 - 0.5 * std::cos(kPi * ph));
                break;
            case Crackle:
                if (rng.Uni() < L.f0 * pitchMul / kRate) pop = 0.3 + 0.7 * rng.Uni();
                pop *= 0.92;
                s = pop * rng.Bi();
                break;
        }
        ph += dt;
        ph -= std::floor(ph);
        mph += dt * L.fmr;
        mph -= std::floor(mph);

        if (L.ft != NoFilter) s = filt.Run(s, Sweep(L.c0, L.c1, L.cbend, u), L.q, L.ft);
        if (L.v0 != NoVowel) {
            const int v1 = L.v1 == NoVowel ? L.v0 : L.v1;
            double sum = 0;
            for (int k = 0; k < 3; ++k) {
                const double fc = kFormants[L.v0][k] + (kFormants[v1][k] - kFormants[L.v0][k]) * u;
                sum += kFormantGain[k] * formant[k].Run(s, fc, std::max(3.0, fc / 90.0), BandPass);
            }
            s = sum * 3;  // the narrow bands pass little of the source
        }
        out[at] += s * env * gain;
    }
}

uint32_t Hash(const char* s) {
    uint32_t h = 2166136261u;
    for (; *s; ++s) h = (h ^ uint8_t(*s)) * 16777619u;
    return h;
}

std::vector<uint8_t> Synthesize(const Recipe& rec) {
    // Work out each repeat's start first, so the buffer length is known.
    struct Hit {
        size_t layer;
        double start, pitch, gain;
    };
    std::vector<Hit> hits;
    double end = 0;
    Rng rng(Hash(rec.name));
    for (size_t li = 0; li < rec.layers.size(); ++li) {
        const Layer& L = rec.layers[li];
        double t = L.at, gap = L.gap;
        for (int k = 0; k < L.n; ++k) {
            const double pitch = std::pow(L.pstep, k) * std::exp2(L.steps[k % 8] / 12.0) *
                                 (1 + 0.5 * L.jit * rng.Bi());
            const double gain = L.gain * std::pow(L.gstep, k) * (1 - 0.5 * L.jit * rng.Uni());
            hits.push_back({li, std::max(0.0, t), pitch, gain});
            end = std::max(end, std::max(0.0, t) + L.len);
            t += gap * (1 + L.tjit * rng.Bi());
            gap *= L.gapMul;
        }
    }
    std::vector<double> mix(size_t(std::ceil(end * kRate)) + 1, 0.0);
    for (size_t h = 0; h < hits.size(); ++h) {
        Rng noise(Hash(rec.name) ^ uint32_t((h + 1) * 0x9E3779B9u));
        const Hit& hit = hits[h];
        RenderOnce(rec.layers[hit.layer], hit.start, hit.pitch, hit.gain, noise, mix);
    }

    // Remove DC, fade the ends, then scale the peak to about -3 dBFS.
    double x1 = 0, y1 = 0, peak = 1e-9;
    const size_t n = mix.size();
    for (size_t i = 0; i < n; ++i) {
        const double y = mix[i] - x1 + 0.995 * y1;
        x1 = mix[i];
        y1 = y;
        const double fadeIn = std::min(1.0, double(i) / 44.0);
        const double fadeOut = std::min(1.0, double(n - 1 - i) / 110.0);
        mix[i] = y * fadeIn * fadeOut;
        peak = std::max(peak, std::fabs(mix[i]));
    }
    const double scale = 0.708 * 32767.0 / peak;

    const uint32_t dataBytes = uint32_t(n * 2);
    std::vector<uint8_t> wav;
    wav.reserve(44 + dataBytes);
    auto put = [&wav](uint32_t v, int bytes) {
        for (int b = 0; b < bytes; ++b) wav.push_back(uint8_t(v >> (8 * b)));
    };
    auto tag = [&wav](const char* s) {
        for (int b = 0; b < 4; ++b) wav.push_back(uint8_t(s[b]));
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(kRate, 4);
    put(kRate * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    for (double v : mix) {
        const long s = std::clamp(std::lround(v * scale), -32768L, 32767L);
        put(uint32_t(uint16_t(int16_t(s))), 2);
    }
    return wav;
}

// Short-hands for the recipe table.
constexpr Wave S = Sine, T = Tri, W = Saw, Q = Square, P = Pulse, N = Noise, R = Rumble, C = Crackle;
constexpr Filt LP = LowPass, BP = BandPass, HP = HighPass;

std::vector<Recipe> Recipes() {
    return {
        // Interface sounds.
        {"CLICK",
         {{.w = N, .len = 0.03, .gain = 0.6, .a = 0.0005, .d = 0.004, .ft = BP, .c0 = 3500, .q = 1.5},
          {.w = S, .len = 0.06, .f0 = 2200, .f1 = 1400, .gain = 0.8, .a = 0.0005, .d = 0.008}}},
        {"BACK",
         {{.w = T, .len = 0.065, .f0 = 900, .a = 0.002, .d = 0.03, .n = 2, .gap = 0.06, .pstep = 0.667},
          {.w = N, .len = 0.02, .gain = 0.3, .a = 0.0005, .d = 0.003, .ft = BP, .c0 = 3000, .q = 1.5}}},
        {"INFO",
         {{.w = S, .len = 0.085, .f0 = 660, .a = 0.002, .d = 0.045, .fmr = 2, .fmi = 0.8, .n = 2,
           .gap = 0.07, .pstep = 1.5}}},
        {"TEXT",
         {{.w = T, .len = 0.08, .f0 = 1200, .f1 = 1000, .a = 0.001, .d = 0.025},
          {.w = N, .len = 0.015, .gain = 0.3, .a = 0.0005, .d = 0.003, .ft = BP, .c0 = 4000, .q = 2}}},
        {"READ",
         {{.w = N, .len = 0.22, .a = 0.05, .d = 0.06, .ft = BP, .c0 = 1200, .c1 = 3500, .q = 1.2},
          {.w = C, .len = 0.2, .f0 = 300, .gain = 0.6, .a = 0.02, .d = 0.08, .ft = BP, .c0 = 3000, .q = 1}}},
        {"BLEEP1",
         {{.w = Q, .len = 0.1, .f0 = 880, .gain = 0.6, .a = 0.002, .r = 0.02, .ft = LP, .c0 = 3000}}},
        {"BLEEP2",
         {{.w = Q, .len = 0.065, .f0 = 1047, .gain = 0.6, .a = 0.002, .r = 0.015, .ft = LP, .c0 = 3500,
           .n = 2, .gap = 0.07, .pstep = 1.335}}},

        // Elements and magic.
        {"ACID",
         {{.w = N, .len = 0.8, .gain = 0.5, .a = 0.05, .d = 0.5, .ft = BP, .c0 = 5000, .q = 0.7,
           .trem = 0.5, .tremHz = 23},
          {.w = C, .len = 0.8, .f0 = 120, .gain = 0.8, .a = 0.01, .d = 0.4, .ft = BP, .c0 = 2500, .q = 1},
          {.w = S, .len = 0.05, .f0 = 400, .f1 = 1100, .gain = 0.5, .a = 0.003, .d = 0.02, .n = 8,
           .gap = 0.09, .jit = 0.4, .tjit = 0.3}}},
        {"COLD",
         {{.w = N, .len = 0.9, .gain = 0.5, .a = 0.2, .d = 0.5, .ft = BP, .c0 = 2500, .c1 = 900, .q = 3},
          {.w = S, .len = 0.25, .f0 = 3200, .gain = 0.45, .a = 0.002, .d = 0.08, .fmr = 1.5, .fmi = 1,
           .n = 7, .gap = 0.09, .pstep = 0.93, .jit = 0.3, .tjit = 0.2},
          {.w = S, .len = 0.9, .f0 = 1568, .gain = 0.25, .a = 0.15, .d = 0.4, .vib = 0.004, .vibHz = 6,
           .trem = 0.5, .tremHz = 11}}},
        {"FIRE",
         {{.w = N, .len = 1.0, .gain = 0.7, .a = 0.2, .d = 0.6, .ft = LP, .c0 = 700, .trem = 0.4, .tremHz = 8},
          {.w = N, .len = 0.6, .gain = 0.5, .a = 0.15, .d = 0.2, .ft = BP, .c0 = 400, .c1 = 1500, .q = 1.5},
          {.w = C, .len = 1.0, .f0 = 70, .a = 0.05, .ft = BP, .c0 = 2500, .q = 0.8}}},
        {"ELECT",
         {{.w = W, .len = 0.7, .f0 = 110, .gain = 0.5, .a = 0.005, .d = 0.4, .ft = BP, .c0 = 1200, .q = 1,
           .trem = 0.7, .tremHz = 30, .rough = 0.3},
          {.w = C, .len = 0.7, .f0 = 900, .a = 0.002, .d = 0.35, .ft = HP, .c0 = 2000},
          {.w = Q, .len = 0.7, .f0 = 60, .gain = 0.3, .a = 0.005, .d = 0.3, .ft = LP, .c0 = 800, .rough = 0.5}}},
        {"SPELL",
         {{.w = S, .len = 0.3, .f0 = 1200, .gain = 0.5, .a = 0.003, .d = 0.08, .fmr = 2.5, .fmi = 1.5,
           .n = 8, .gap = 0.06, .pstep = 1.08, .jit = 0.2},
          {.w = W, .len = 0.7, .f0 = 300, .f1 = 1200, .gain = 0.4, .a = 0.05, .d = 0.3, .ft = LP, .c0 = 600,
           .c1 = 4000, .q = 4},
          {.w = N, .len = 0.7, .gain = 0.15, .a = 0.1, .d = 0.3, .ft = BP, .c0 = 7000, .q = 2}}},
        {"PSIONIC",
         {{.w = S, .len = 0.8, .f0 = 300, .f1 = 900, .bend = 0.3, .gain = 0.8, .a = 0.05, .d = 0.5,
           .vib = 0.08, .vibHz = 13, .fmr = 1.5, .fmi = 3},
          {.w = S, .len = 0.8, .f0 = 303, .f1 = 890, .bend = 0.3, .gain = 0.5, .a = 0.05, .d = 0.5,
           .trem = 0.7, .tremHz = 7, .fmr = 2.01, .fmi = 2}}},
        {"POWER",
         {{.w = W, .len = 0.7, .f0 = 110, .f1 = 440, .gain = 0.6, .a = 0.02, .d = 0.8, .ft = LP, .c0 = 300,
           .c1 = 3000, .q = 3, .vib = 0.01, .vibHz = 8},
          {.w = W, .len = 0.7, .f0 = 111.5, .f1 = 446, .gain = 0.6, .a = 0.02, .d = 0.8, .ft = LP, .c0 = 300,
           .c1 = 3000, .q = 3},
          {.w = S, .len = 0.7, .f0 = 880, .f1 = 1760, .gain = 0.3, .a = 0.1, .trem = 0.6, .tremHz = 14}}},
        {"POWERUP",
         {{.w = S, .len = 0.3, .f0 = 523, .gain = 0.7, .a = 0.002, .d = 0.12, .fmr = 3, .fmi = 1, .n = 6,
           .gap = 0.07, .steps = {0, 4, 7, 12, 16, 19}},
          {.w = T, .len = 0.3, .f0 = 1046, .gain = 0.25, .a = 0.002, .d = 0.1, .n = 6, .gap = 0.07,
           .steps = {0, 4, 7, 12, 16, 19}},
          {.w = N, .at = 0.3, .len = 0.4, .gain = 0.12, .a = 0.05, .d = 0.15, .ft = BP, .c0 = 7000, .q = 2}}},
        {"CURE",
         {{.w = S, .len = 0.5, .f0 = 523, .gain = 0.6, .a = 0.01, .d = 0.25, .vib = 0.006, .fmr = 2, .fmi = 0.5,
           .n = 4, .gap = 0.1, .steps = {0, 4, 7, 12}},
          {.w = N, .len = 0.8, .gain = 0.12, .a = 0.2, .d = 0.3, .ft = BP, .c0 = 6000, .q = 2}}},
        {"CURSE",
         {{.w = W, .len = 0.9, .f0 = 220, .f1 = 98, .gain = 0.6, .a = 0.05, .d = 0.5, .v0 = VO, .v1 = VU,
           .vib = 0.02, .vibHz = 7},
          {.w = W, .len = 0.9, .f0 = 311, .f1 = 139, .gain = 0.5, .a = 0.05, .d = 0.5, .v0 = VO, .v1 = VU,
           .vib = 0.02, .vibHz = 6},
          {.w = N, .len = 0.9, .gain = 0.4, .a = 0.3, .d = 0.3, .ft = BP, .c0 = 400, .q = 3}}},
        {"PRAY",
         {{.w = W, .len = 1.0, .f0 = 196, .gain = 0.5, .a = 0.25, .r = 0.3, .v0 = VA, .v1 = VO, .vib = 0.012},
          {.w = W, .len = 1.0, .f0 = 247, .gain = 0.4, .a = 0.25, .r = 0.3, .v0 = VA, .v1 = VO, .vib = 0.012,
           .vibHz = 5.5},
          {.w = W, .len = 1.0, .f0 = 294, .gain = 0.4, .a = 0.25, .r = 0.3, .v0 = VA, .v1 = VO, .vib = 0.012,
           .vibHz = 4.6}}},
        {"LASER",
         {{.w = Q, .len = 0.16, .f0 = 2200, .f1 = 250, .gain = 0.6, .a = 0.001, .d = 0.08, .ft = LP, .c0 = 5000,
           .n = 2, .gap = 0.15},
          {.w = S, .len = 0.16, .f0 = 1800, .f1 = 180, .gain = 0.5, .a = 0.001, .d = 0.06, .n = 2, .gap = 0.15}}},
        {"NUKE",
         {{.w = S, .len = 1.9, .f0 = 80, .f1 = 30, .gain = 0.6, .a = 0.005, .d = 0.6},
          {.w = R, .len = 2.0, .f0 = 200, .a = 0.01, .d = 0.8, .ft = LP, .c0 = 400},
          {.w = N, .len = 0.5, .gain = 0.9, .a = 0.001, .d = 0.1, .ft = LP, .c0 = 5000, .c1 = 800},
          {.w = C, .at = 0.3, .len = 1.6, .f0 = 40, .gain = 0.5, .a = 0.01, .d = 0.6, .ft = LP, .c0 = 1200}}},

        // Blows and bodies.
        {"HIT",
         {{.w = S, .len = 0.22, .f0 = 130, .f1 = 50, .a = 0.001, .d = 0.05},
          {.w = N, .len = 0.1, .gain = 0.9, .a = 0.0005, .d = 0.018, .ft = LP, .c0 = 2500, .c1 = 600},
          {.w = N, .len = 0.03, .gain = 0.5, .a = 0.0005, .d = 0.004, .ft = BP, .c0 = 1200, .q = 1}}},
        {"MISS",
         {{.w = N, .len = 0.35, .a = 0.12, .d = 0.08, .ft = BP, .c0 = 500, .c1 = 1800, .cbend = 0.6, .q = 2}}},
        {"BOW",
         {{.w = W, .len = 0.25, .f0 = 98, .f1 = 92, .gain = 0.7, .a = 0.001, .d = 0.06, .ft = LP, .c0 = 1800,
           .c1 = 400},
          {.w = N, .at = 0.02, .len = 0.3, .gain = 0.9, .a = 0.06, .d = 0.08, .ft = BP, .c0 = 700, .c1 = 2600,
           .q = 1.5}}},
        {"SPLAT",
         {{.w = N, .len = 0.25, .a = 0.002, .d = 0.06, .ft = LP, .c0 = 1200, .c1 = 300, .q = 2},
          {.w = S, .len = 0.15, .f0 = 260, .f1 = 90, .gain = 0.7, .a = 0.002, .d = 0.04},
          {.w = C, .len = 0.2, .f0 = 900, .gain = 0.5, .a = 0.002, .d = 0.05, .ft = BP, .c0 = 1500, .q = 1}}},
        {"MONSTERDIE",
         {{.w = W, .len = 1.0, .f0 = 110, .f1 = 40, .a = 0.02, .d = 0.5, .v0 = VO, .v1 = VU, .vib = 0.05,
           .vibHz = 11, .rough = 0.35},
          {.w = W, .len = 1.0, .f0 = 73, .f1 = 30, .gain = 0.5, .a = 0.02, .d = 0.5, .v0 = VA, .v1 = VU,
           .rough = 0.3},
          {.w = N, .len = 0.8, .gain = 0.4, .a = 0.02, .d = 0.3, .ft = LP, .c0 = 800, .c1 = 200}}},
        {"LAUGH",
         {{.w = W, .len = 0.12, .f0 = 150, .f1 = 120, .a = 0.015, .d = 0.06, .v0 = VA, .vib = 0.02, .vibHz = 9,
           .n = 5, .gap = 0.15, .pstep = 0.96, .jit = 0.06},
          {.w = N, .len = 0.05, .gain = 0.3, .a = 0.005, .d = 0.02, .v0 = VA, .n = 5, .gap = 0.15}}},
        {"WARCRY",
         {{.w = W, .len = 0.85, .f0 = 150, .f1 = 130, .bend = 0.5, .a = 0.04, .d = 0.7, .v0 = VA, .v1 = VO,
           .vib = 0.03, .vibHz = 6, .rough = 0.15},
          {.w = W, .len = 0.85, .f0 = 151.5, .f1 = 131, .bend = 0.5, .gain = 0.6, .a = 0.04, .d = 0.7,
           .v0 = VA, .v1 = VO, .rough = 0.15},
          {.w = N, .len = 0.85, .gain = 0.25, .a = 0.04, .d = 0.5, .v0 = VA, .v1 = VO}}},
        {"MALEFALL",
         {{.w = W, .len = 0.9, .f0 = 240, .f1 = 95, .bend = 0.15, .a = 0.03, .d = 0.6, .v0 = VA, .v1 = VU,
           .vib = 0.03, .vibHz = 6},
          {.w = N, .len = 0.9, .gain = 0.15, .a = 0.05, .d = 0.4, .v0 = VA, .v1 = VU}}},
        {"FEMALEFALL",
         {{.w = W, .len = 0.9, .f0 = 620, .f1 = 280, .bend = 0.15, .a = 0.03, .d = 0.6, .v0 = VAF, .v1 = VOF,
           .vib = 0.03, .vibHz = 6},
          {.w = N, .len = 0.9, .gain = 0.15, .a = 0.05, .d = 0.4, .v0 = VAF, .v1 = VOF}}},
        {"CRASH",
         {{.w = N, .len = 1.5, .a = 0.002, .d = 0.35, .ft = LP, .c0 = 4000, .c1 = 500},
          {.w = S, .len = 0.6, .f0 = 90, .f1 = 35, .a = 0.002, .d = 0.18},
          {.w = C, .at = 0.1, .len = 1.4, .f0 = 60, .gain = 0.9, .a = 0.05, .d = 0.5, .ft = BP, .c0 = 1500,
           .q = 0.8},
          {.w = N, .at = 0.15, .len = 0.15, .gain = 0.5, .a = 0.001, .d = 0.04, .ft = BP, .c0 = 900, .q = 1.2,
           .n = 5, .gap = 0.17, .jit = 0.5, .tjit = 0.5}}},

        // Things in the world.
        {"BELL",
         {{.w = S, .len = 1.0, .f0 = 660, .a = 0.001, .d = 0.35, .fmr = 3.5, .fmi = 2.5},
          {.w = S, .len = 0.9, .f0 = 1822, .gain = 0.35, .a = 0.001, .d = 0.15},
          {.w = S, .len = 0.3, .f0 = 3300, .gain = 0.2, .a = 0.001, .d = 0.05}}},
        {"BUY",
         {{.w = S, .len = 0.18, .f0 = 2600, .gain = 0.8, .a = 0.0005, .d = 0.04, .fmr = 1.41, .fmi = 2, .n = 6,
           .gap = 0.065, .jit = 0.35, .tjit = 0.3},
          {.w = S, .at = 0.03, .len = 0.2, .f0 = 3700, .gain = 0.4, .a = 0.0005, .d = 0.03, .fmr = 2.13,
           .fmi = 1.2, .n = 4, .gap = 0.09, .jit = 0.3, .tjit = 0.3}}},
        {"CARD",
         {{.w = N, .len = 0.05, .a = 0.002, .d = 0.012, .ft = BP, .c0 = 2800, .q = 1.2, .n = 4, .gap = 0.05,
           .jit = 0.3, .tjit = 0.3},
          {.w = C, .len = 0.22, .f0 = 800, .gain = 0.4, .a = 0.01, .d = 0.06, .ft = HP, .c0 = 2000}}},
        {"CHAIN",
         {{.w = S, .len = 0.12, .f0 = 1900, .gain = 0.9, .a = 0.0005, .d = 0.025, .fmr = 2.71, .fmi = 3,
           .n = 10, .gap = 0.055, .jit = 0.45, .tjit = 0.4},
          {.w = N, .len = 0.6, .gain = 0.2, .a = 0.02, .d = 0.25, .ft = BP, .c0 = 3500, .q = 2, .trem = 0.8,
           .tremHz = 17}}},
        {"DICE",
         {{.w = N, .len = 0.03, .gain = 0.9, .a = 0.0005, .d = 0.006, .ft = BP, .c0 = 2200, .q = 3, .n = 7,
           .gap = 0.065, .gapMul = 1.15, .jit = 0.5, .tjit = 0.4},
          {.w = S, .len = 0.03, .f0 = 1500, .gain = 0.5, .a = 0.0005, .d = 0.007, .n = 7, .gap = 0.065,
           .gapMul = 1.15, .jit = 0.5, .tjit = 0.4}}},
        {"DIG",
         {{.w = N, .len = 0.25, .a = 0.01, .d = 0.08, .ft = LP, .c0 = 900, .c1 = 400, .n = 2, .gap = 0.28},
          {.w = C, .len = 0.3, .f0 = 400, .gain = 0.8, .a = 0.01, .d = 0.1, .ft = BP, .c0 = 1800, .q = 0.8,
           .n = 2, .gap = 0.28},
          {.w = N, .len = 0.1, .gain = 0.3, .a = 0.003, .d = 0.03, .ft = BP, .c0 = 3000, .q = 4}}},
        {"CREAK",
         {{.w = P, .len = 0.9, .f0 = 45, .f1 = 70, .bend = 0.4, .a = 0.05, .v0 = VCreak, .vib = 0.15,
           .vibHz = 2.5, .rough = 0.25}}},
        {"DOOR",
         {{.w = P, .len = 0.6, .f0 = 55, .f1 = 80, .bend = 0.3, .a = 0.04, .v0 = VCreak, .vib = 0.12,
           .vibHz = 3, .rough = 0.25},
          {.w = S, .at = 0.62, .len = 0.35, .f0 = 95, .f1 = 45, .a = 0.002, .d = 0.08},
          {.w = N, .at = 0.62, .len = 0.2, .gain = 0.8, .a = 0.001, .d = 0.04, .ft = LP, .c0 = 900},
          {.w = N, .at = 0.66, .len = 0.04, .gain = 0.4, .a = 0.0005, .d = 0.006, .ft = BP, .c0 = 2500, .q = 2}}},
        {"GRATE",
         {{.w = N, .len = 0.05, .gain = 0.8, .a = 0.0005, .d = 0.012, .ft = BP, .c0 = 1400, .q = 4, .n = 12,
           .gap = 0.08, .jit = 0.1},
          {.w = S, .len = 0.08, .f0 = 700, .gain = 0.4, .a = 0.0005, .d = 0.02, .fmr = 2.4, .fmi = 2, .n = 12,
           .gap = 0.08, .jit = 0.1},
          {.w = W, .len = 1.0, .f0 = 48, .gain = 0.5, .a = 0.05, .ft = LP, .c0 = 600, .rough = 0.3}}},
        {"GRATE2",
         {{.w = W, .len = 0.45, .f0 = 70, .f1 = 90, .gain = 0.5, .a = 0.03, .ft = BP, .c0 = 900, .q = 2,
           .rough = 0.3},
          {.w = S, .at = 0.45, .len = 0.35, .f0 = 320, .a = 0.001, .d = 0.1, .fmr = 1.41, .fmi = 4},
          {.w = N, .at = 0.45, .len = 0.2, .gain = 0.8, .a = 0.001, .d = 0.05, .ft = LP, .c0 = 2500}}},
        {"LEVER",
         {{.w = N, .len = 0.04, .gain = 0.8, .a = 0.0005, .d = 0.008, .ft = BP, .c0 = 1800, .q = 3},
          {.w = S, .len = 0.12, .f0 = 180, .f1 = 110, .gain = 0.8, .a = 0.001, .d = 0.03},
          {.w = N, .at = 0.05, .len = 0.015, .gain = 0.35, .a = 0.0005, .d = 0.003, .ft = BP, .c0 = 3000,
           .q = 4, .n = 4, .gap = 0.03},
          {.w = N, .at = 0.18, .len = 0.05, .a = 0.0005, .d = 0.01, .ft = BP, .c0 = 1300, .q = 3},
          {.w = S, .at = 0.18, .len = 0.2, .f0 = 140, .f1 = 80, .a = 0.001, .d = 0.05}}},
        {"WHEEL",
         {{.w = N, .len = 0.03, .gain = 0.9, .a = 0.0005, .d = 0.005, .ft = BP, .c0 = 2400, .q = 4, .n = 11,
           .gap = 0.04, .gapMul = 1.13, .jit = 0.1},
          {.w = S, .len = 0.03, .f0 = 1600, .gain = 0.4, .a = 0.0005, .d = 0.006, .n = 11, .gap = 0.04,
           .gapMul = 1.13},
          {.w = R, .len = 0.9, .f0 = 60, .gain = 0.3, .a = 0.02, .d = 0.4, .ft = LP, .c0 = 300}}},
        {"DROP",
         {{.w = S, .len = 0.2, .f0 = 160, .f1 = 60, .a = 0.001, .d = 0.05, .n = 2, .gap = 0.12, .pstep = 1.1,
           .gstep = 0.35},
          {.w = N, .len = 0.08, .gain = 0.7, .a = 0.0005, .d = 0.015, .ft = LP, .c0 = 1500, .n = 2, .gap = 0.12,
           .gstep = 0.35}}},
        {"DRINK",
         {{.w = S, .len = 0.09, .f0 = 220, .f1 = 520, .a = 0.005, .d = 0.03, .n = 3, .gap = 0.22, .jit = 0.1},
          {.w = N, .len = 0.08, .gain = 0.3, .a = 0.005, .d = 0.02, .ft = LP, .c0 = 700, .n = 3, .gap = 0.22}}},
        {"EAT",
         {{.w = C, .len = 0.12, .f0 = 1500, .a = 0.005, .d = 0.05, .ft = BP, .c0 = 1800, .q = 0.7, .n = 3,
           .gap = 0.18, .jit = 0.2},
          {.w = N, .len = 0.1, .gain = 0.5, .a = 0.01, .d = 0.04, .ft = LP, .c0 = 600, .n = 3, .gap = 0.18}}},
        {"SCROLL",
         {{.w = C, .len = 0.45, .f0 = 500, .a = 0.05, .d = 0.25, .ft = BP, .c0 = 2500, .q = 0.9},
          {.w = N, .len = 0.45, .gain = 0.6, .a = 0.08, .d = 0.2, .ft = BP, .c0 = 1500, .c1 = 3000, .q = 1.5,
           .trem = 0.5, .tremHz = 18}}},
        {"SPLASH",
         {{.w = N, .len = 0.6, .a = 0.005, .d = 0.15, .ft = BP, .c0 = 2500, .c1 = 700, .q = 0.9},
          {.w = S, .at = 0.06, .len = 0.05, .f0 = 700, .f1 = 1800, .gain = 0.45, .a = 0.002, .d = 0.015, .n = 7,
           .gap = 0.06, .jit = 0.5, .tjit = 0.5},
          {.w = N, .len = 0.15, .gain = 0.5, .a = 0.002, .d = 0.04, .ft = LP, .c0 = 500}}},
        {"SPRAY",
         {{.w = N, .len = 0.6, .a = 0.03, .r = 0.15, .ft = HP, .c0 = 3500, .q = 0.7, .trem = 0.15, .tremHz = 20},
          {.w = N, .len = 0.6, .gain = 0.4, .a = 0.03, .r = 0.15, .ft = BP, .c0 = 6000, .q = 2}}},
        {"WALK",
         {{.w = S, .len = 0.1, .f0 = 110, .f1 = 60, .gain = 0.8, .a = 0.002, .d = 0.025, .n = 2, .gap = 0.26},
          {.w = N, .len = 0.07, .a = 0.002, .d = 0.015, .ft = LP, .c0 = 900, .n = 2, .gap = 0.26},
          {.w = C, .len = 0.06, .f0 = 600, .gain = 0.3, .a = 0.002, .d = 0.02, .ft = BP, .c0 = 2500, .n = 2,
           .gap = 0.26}}},
        {"WATERWALK",
         {{.w = N, .len = 0.2, .a = 0.005, .d = 0.05, .ft = BP, .c0 = 1800, .c1 = 600, .q = 1.2},
          {.w = S, .at = 0.04, .len = 0.04, .f0 = 600, .f1 = 1400, .gain = 0.4, .a = 0.002, .d = 0.012, .n = 3,
           .gap = 0.05, .jit = 0.4, .tjit = 0.3},
          {.w = N, .len = 0.1, .gain = 0.5, .a = 0.002, .d = 0.03, .ft = LP, .c0 = 400}}},
        {"NO",
         {{.w = Q, .len = 0.13, .f0 = 180, .gain = 0.6, .a = 0.005, .r = 0.02, .ft = LP, .c0 = 1400, .n = 2,
           .gap = 0.17, .pstep = 0.75},
          {.w = W, .len = 0.13, .f0 = 184, .gain = 0.5, .a = 0.005, .r = 0.02, .ft = LP, .c0 = 1400, .n = 2,
           .gap = 0.17, .pstep = 0.75}}},
    };
}

}  // namespace

void BuildSounds(Pack& pack) {
    for (const Recipe& rec : Recipes()) pack.AddWave(rec.name, Synthesize(rec));
}

}  // namespace art
