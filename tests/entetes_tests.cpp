// The object that carries the precompiled headers of the test programs
// without widgets; it holds no code of its own.
