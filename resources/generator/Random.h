#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// A small fixed-seed generator and periodic value noise, so that every picture and sound
// comes out the same on every build.

namespace gen {

class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t Next() {
        // splitmix64
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    int Int(int lo, int hi) { return lo + static_cast<int>(Uniform() * (hi - lo + 1)); }

  private:
    uint64_t state_;
};

// Value noise on a lattice that wraps every `period` cells: Sample(x + period, y) ==
// Sample(x, y), so a picture made of it tiles without a seam.
class PeriodicNoise {
  public:
    PeriodicNoise(int period, uint64_t seed) : PeriodicNoise(period, period, seed) {}
    // A lattice that wraps every periodX cells across and periodY cells down.
    PeriodicNoise(int periodX, int periodY, uint64_t seed)
        : period_(periodX), periodY_(periodY), values_(periodX * periodY) {
        Rng rng(seed);
        for (double& v : values_)
            v = rng.Uniform();
    }
    // x, y in lattice cells; smooth (quintic) interpolation, result in [0, 1].
    double Sample(double x, double y) const {
        const double fx = std::floor(x), fy = std::floor(y);
        const int x0 = Wrap(static_cast<int>(fx), period_),
                  y0 = Wrap(static_cast<int>(fy), periodY_);
        const int x1 = Wrap(x0 + 1, period_), y1 = Wrap(y0 + 1, periodY_);
        const double tx = Fade(x - fx), ty = Fade(y - fy);
        const double a = At(x0, y0) + (At(x1, y0) - At(x0, y0)) * tx;
        const double b = At(x0, y1) + (At(x1, y1) - At(x0, y1)) * tx;
        return a + (b - a) * ty;
    }
    int Period() const { return period_; }
    int PeriodY() const { return periodY_; }

  private:
    static double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
    static int Wrap(int i, int period) { return ((i % period) + period) % period; }
    double At(int x, int y) const { return values_[y * period_ + x]; }

    int period_;
    int periodY_;
    std::vector<double> values_;
};

// Fractal noise that tiles a picture of `size` pixels: octave k has a lattice of
// baseCells * 2^k cells across the picture. u, v are pixel coordinates.
class TileNoise {
  public:
    TileNoise(int size, int baseCells, int octaves, uint64_t seed) : size_(size) {
        for (int k = 0; k < octaves; ++k)
            octaves_.emplace_back(baseCells << k, seed * 31 + k);
    }
    double Sample(double u, double v, double persistence = 0.5) const {
        double sum = 0, amplitude = 1, total = 0;
        for (const PeriodicNoise& n : octaves_) {
            const double cells = n.Period();
            sum += amplitude * n.Sample(u * cells / size_, v * cells / size_);
            total += amplitude;
            amplitude *= persistence;
        }
        return sum / total;
    }

  private:
    int size_;
    std::vector<PeriodicNoise> octaves_;
};

}  // namespace gen
