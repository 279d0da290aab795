// The grid control.
