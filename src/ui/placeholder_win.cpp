namespace cw {}
