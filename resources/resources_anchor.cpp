// Keeps the resource library non-empty while no module has artwork yet.
