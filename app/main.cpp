// Process entry of the game.
int main() { return 0; }
