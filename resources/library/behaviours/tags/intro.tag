vmrk-0000
vmrk-0002
vmrk-0005
vmrk-0006
vmrk-0011
vmrk-0014
