vmrk-0003
vmrk-0004
vmrk-0005
