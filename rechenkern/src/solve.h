// Solve stage: the pure Neumann problems of warping and shear on one mesh.
#pragma once

#include <Eigen/SparseCore>

#include <memory>
#include <vector>

namespace delmarix {

// Solves K u = f with ∫u dA = 0 for the singular stiffness matrix K of a Neumann
// problem, through the bordered system
//     [ K   c ] [u]   [f]
//     [ c'  0 ] [λ] = [0],     c_i = ∫N_i dA,
// which fixes the constant null space exactly. The matrix is factorised once and
// reused for every right-hand side.
class NeumannSolver {
public:
    NeumannSolver();
    ~NeumannSolver();

    // Returns false when the factorisation fails.
    bool factorize(const Eigen::SparseMatrix<double>& stiffness, const Eigen::VectorXd& border);
    Eigen::VectorXd solve(const Eigen::VectorXd& load) const;

private:
    struct Factors;
    std::unique_ptr<Factors> factors_;
    std::vector<int> position_; // row of each unknown in the factorised, reordered system
};

} // namespace delmarix
