// The message dialog.
