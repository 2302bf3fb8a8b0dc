#include "engines/bayes_difference_run.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "distrib/chi_square_distribution.h"
#include "distrib/kernels.h"
#include "distrib/normal_distribution.h"
#include "engines/chunk_helper.h"
#include "engines/difference_sd.h"
#include "engines/matrix_handling.h"
#include "engines/posterior_sample.h"
#include "engines/sample_sort.h"

namespace engines {

namespace {

// Samples are drawn a block at a time into a ring of a few blocks; the
// helper thread works out the statistics of drawn blocks while the calling
// thread draws further ones, and the calling thread joins in when the ring
// is full.
constexpr int BlockSize = 16384;
constexpr int RingBlocks = 4;
constexpr int RingSize = RingBlocks * BlockSize;
constexpr int ChunkSize = 256;

struct Distributions {
    distrib::tChi_square_distribution chiSquareN;
    distrib::tChi_square_distribution chiSquareNMinus1;
    distrib::tNormal_distribution standardNormal;
};

// The variates of count consecutive samples, in the order of the random
// stream.
void DrawBlock(const Distributions& d, PosteriorDraws* block, int count)
{
    for (int i = 0; i < count; ++i) {
        PosteriorDraws& draws = block[i];
        draws.chiSquareN = d.chiSquareN.Random_value();
        draws.chiSquareNMinus1 = d.chiSquareNMinus1.Random_value();
        draws.offDiagonal = d.standardNormal.Random_value();
        draws.meanDeviate1 = d.standardNormal.Random_value();
        draws.meanDeviate2 = d.standardNormal.Random_value();
    }
}

// Works out drawn samples a chunk at a time: each statistic goes to the
// sample array, its normal probability to the ring beside its variates.
struct SampleJob {
    const PosteriorSampleSetup& setup;
    const distrib::tNormal_distribution& standardNormal;
    SampleArray& samples;
    const PosteriorDraws* draws;  // ring of RingSize samples
    long double* probabilities;   // ring of RingSize samples
    int sampleCount;

    void operator()(int chunk) const
    {
        const int end = std::min(sampleCount, (chunk + 1) * ChunkSize);
        for (int i = chunk * ChunkSize; i < end; ++i) {
            const long double z = SampledDifferenceStatistic(setup, draws[i % RingSize]);
            samples(i + 1) = static_cast<double>(z);
            probabilities[i % RingSize] = standardNormal.Cumulative(z);
        }
    }
};

// Draws every sample's variates on the calling thread, in stream order, and
// returns the sum of the probabilities, added in sample order whichever
// thread worked them out.
long double DrawAndWorkOutSamples(const Distributions& d, const PosteriorSampleSetup& setup,
                                  SampleArray& samples, int sampleCount, bool withHelperThread)
{
    const auto draws = std::make_unique<PosteriorDraws[]>(RingSize);
    const auto probabilities = std::make_unique<long double[]>(RingSize);
    SampleJob job{setup, d.standardNormal, samples, draws.get(), probabilities.get(), sampleCount};
    ChunkHelper helper(job, withHelperThread);

    const int blockCount = (sampleCount + BlockSize - 1) / BlockSize;
    auto blockEnd = [&](int block) { return std::min(sampleCount, (block + 1) * BlockSize); };
    auto chunksThrough = [&](int block) { return (blockEnd(block) + ChunkSize - 1) / ChunkSize; };
    long double sum = 0;
    auto addBlock = [&](int block) {
        helper.FinishChunksBelow(chunksThrough(block));
        for (int i = block * BlockSize; i < blockEnd(block); ++i) sum += probabilities[i % RingSize];
    };
    for (int block = 0; block < blockCount; ++block) {
        if (block >= RingBlocks) addBlock(block - RingBlocks);
        DrawBlock(d, draws.get() + block % RingBlocks * BlockSize, blockEnd(block) - block * BlockSize);
        helper.Publish(chunksThrough(block));
    }
    for (int block = std::max(0, blockCount - RingBlocks); block < blockCount; ++block) addBlock(block);
    return sum;
}

}  // namespace

int OrderStatisticPosition(int count, long double q)
{
    return static_cast<int>(std::nearbyint(count * q));
}

BayesDifferenceResult RunBayesDifference(const BayesDifferenceInputs& in,
                                         const BayesDifferenceRunOptions& options)
{
    const int sampleCount = options.sampleCount;
    if (sampleCount < 40 || sampleCount > MonteCarloSampleCount)
        throw std::invalid_argument("sample count out of range");

    distrib::Seed_1 = distrib::Start_seed_1;
    distrib::Seed_2 = distrib::Start_seed_2;
    const Distributions d{distrib::tChi_square_distribution(in.n),
                          distrib::tChi_square_distribution(in.n - 1),
                          distrib::tNormal_distribution(0, 1)};

    const PosteriorSampleSetup setup = MakePosteriorSampleSetup(
        in.n, in.meanX, in.sdX, in.meanY, in.sdY, in.r, in.caseX, in.caseY, in.statistic);

    SampleArray samples;
    const long double probabilitySum =
        DrawAndWorkOutSamples(d, setup, samples, sampleCount, options.withHelperThread);
    if (options.onSamplingDone) options.onSamplingDone();

    BayesDifferenceResult result;
    long double percent = 100 * probabilitySum / sampleCount;
    const bool complemented = percent > 50;
    if (complemented) percent = 100 - percent;
    result.percentMoreExtreme = percent;
    result.pOneTailed = percent / 100;
    result.pTwoTailed = percent / 50;

    SortSamples(samples, sampleCount, options.withHelperThread);
    auto orderStatistic = [&](long double q, int offset) {
        return static_cast<long double>(samples(OrderStatisticPosition(sampleCount, q) + offset));
    };
    result.zdccLower = orderStatistic(0.025L, 0);
    result.zdccUpper = orderStatistic(0.975L, in.upperIndexOffset);
    result.zdccOneSidedLower = orderStatistic(0.05L, 0);
    result.zdccOneSidedUpper = orderStatistic(0.95L, 0);

    auto percentBelow = [&](long double z) { return 100 * d.standardNormal.Cumulative(z); };
    result.percentLower = percentBelow(result.zdccLower);
    result.percentUpper = percentBelow(result.zdccUpper);
    result.percentOneSidedLower = percentBelow(result.zdccOneSidedLower);
    result.percentOneSidedUpper = percentBelow(result.zdccOneSidedUpper);
    if (complemented) {
        auto reflect = [](long double& lower, long double& upper) {
            const long double oldLower = lower;
            lower = 100 - upper;
            upper = 100 - oldLower;
        };
        reflect(result.percentLower, result.percentUpper);
        reflect(result.percentOneSidedLower, result.percentOneSidedUpper);
    }

    const long double zX = (in.caseX - in.meanX) / in.sdX;
    const long double zY = (in.caseY - in.meanY) / in.sdY;
    result.zdcc = (zX - zY) / DifferenceSD(1, 1, in.r);
    return result;
}

}  // namespace engines
