#include "nav/deviation_fit.h"

#include "nav/angle.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nav {

namespace {

constexpr int kTerms = 5;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// Headings closer than this are the same heading read twice.
constexpr double kSameHeading = 1e-9;

void Terms(double heading, double out[kTerms])
{
    const double t = heading * kRadiansPerDegree;
    out[0] = 1.0;
    out[1] = std::sin(t);
    out[2] = std::cos(t);
    out[3] = std::sin(2.0 * t);
    out[4] = std::cos(2.0 * t);
}

int DistinctHeadings(std::span<const DeviationRow> rows)
{
    std::vector<double> wrapped;
    wrapped.reserve(rows.size());
    for (const DeviationRow& r : rows)
        wrapped.push_back(OnCircle(r.Pb));
    std::sort(wrapped.begin(), wrapped.end());
    int distinct = 0;
    for (std::size_t i = 0; i < wrapped.size(); ++i) {
        if (i == 0 || wrapped[i] - wrapped[i - 1] > kSameHeading)
            ++distinct;
    }
    // 359.9999999999 and 0 are one heading too.
    if (distinct > 1 && wrapped.front() + 360.0 - wrapped.back() <= kSameHeading)
        --distinct;
    return distinct;
}

}  // namespace

double DeviationAt(const DeviationCoefficients& c, double compassHeading)
{
    double t[kTerms];
    Terms(compassHeading, t);
    return c.A * t[0] + c.B * t[1] + c.C * t[2] + c.D * t[3] + c.E * t[4];
}

DeviationFitResult FitDeviation(std::span<const DeviationRow> rows)
{
    DeviationFitResult result;
    for (const DeviationRow& r : rows) {
        if (!std::isfinite(r.Pb) || !std::isfinite(r.Dev)) {
            result.refusal = FitRefusal::NotFinite;
            return result;
        }
    }
    result.distinctHeadings = DistinctHeadings(rows);
    if (result.distinctHeadings < kMinFitHeadings) {
        result.refusal = FitRefusal::TooFewHeadings;
        return result;
    }

    const auto n = static_cast<Eigen::Index>(rows.size());
    Eigen::MatrixXd design(n, kTerms);
    Eigen::VectorXd observed(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        double t[kTerms];
        Terms(rows[static_cast<std::size_t>(i)].Pb, t);
        for (int j = 0; j < kTerms; ++j)
            design(i, j) = t[j];
        observed(i) = rows[static_cast<std::size_t>(i)].Dev;
    }

    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(design);
    const Eigen::VectorXd sigma = svd.singularValues();
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(design);
    if (qr.rank() < kTerms || !(sigma(kTerms - 1) * kMaxFitCondition >= sigma(0))) {
        result.refusal = FitRefusal::Undetermined;
        return result;
    }
    const Eigen::VectorXd x = qr.solve(observed);
    const Eigen::VectorXd residual = observed - design * x;

    DeviationFit fit;
    fit.coefficients = {x(0), x(1), x(2), x(3), x(4)};
    fit.residuals.assign(residual.data(), residual.data() + residual.size());
    fit.rms = std::sqrt(residual.squaredNorm() / static_cast<double>(n));
    result.fit = std::move(fit);
    return result;
}

std::vector<bool> LikelyTypingErrors(const DeviationFit& fit)
{
    const double bound = std::max(kOutlierFloorDegrees, kOutlierRmsFactor * fit.rms);
    std::vector<bool> marked;
    marked.reserve(fit.residuals.size());
    for (const double r : fit.residuals)
        marked.push_back(std::fabs(r) > bound);
    return marked;
}

std::vector<DeviationRow> TableFromCurve(const DeviationCoefficients& c, int stepDegrees)
{
    std::vector<DeviationRow> rows;
    if (stepDegrees <= 0)
        return rows;
    for (int heading = 0; heading < 360; heading += stepDegrees) {
        DeviationRow row;
        row.Pb = heading;
        // One decimal, as the card shows it; +0.0 rather than -0.0.
        row.Dev = std::round(DeviationAt(c, heading) * 10.0) / 10.0 + 0.0;
        row.Pm = WrapDegrees(row.Pb + row.Dev);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace nav
