# Sources are added here as they are written.
